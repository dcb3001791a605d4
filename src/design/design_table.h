// Design tables like those of a standard drawing: one design per clear span, and per fill height for a
// buried slab, the cells computed in parallel with the same result whatever the number of threads.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "design/design_search.h"

namespace tavrel {

// first, first + step, ... up to last: a range of clear spans or fill heights, m.
struct AxisRange {
    double first = 0;
    double last = 0;
    double step = 0;
};

inline constexpr std::size_t kMostAxisValues = 1000;

// The texts of a range's values (each as the input file keeps it), or what is wrong with the range.
struct AxisValues {
    std::vector<std::string> texts;
    std::string problem;  // empty when the range is usable
};
AxisValues clearSpanValues(const AxisRange& range);
AxisValues fillHeightValues(const AxisRange& range);

struct TableRequest {
    DesignRequest design;            // the record and the search options of every cell
    std::vector<std::string> spans;  // texts for txtJKJ, one row each
    std::vector<std::string> fills;  // texts for txtTTG, one column group each; buried slabs only
};

// What is wrong with the request beyond its ranges, or nothing.
std::optional<std::string> tableRequestProblem(const TableRequest& request);

struct DesignTable {
    SlabType slabType = SlabType::Buried;
    std::vector<std::string> spans;    // row headings, m
    std::vector<std::string> fills;    // column-group headings, m; one empty text for open and custom slabs
    std::vector<DesignOutcome> cells;  // row after row

    const DesignOutcome& cell(std::size_t span, std::size_t fill) const {
        return cells[span * fills.size() + fill];
    }
};

// Called on the calling thread about ten times a second with the cells done so far.
using TableProgress = std::function<void(std::size_t done, std::size_t total)>;

// The design of every cell, on `threads` threads (at least one). A buried slab without fills gets one
// column of the record's own fill; an open or custom slab one column whatever `fills` holds.
DesignTable runDesignTable(const TableRequest& request, unsigned threads, const TableProgress& progress = {});

}  // namespace tavrel
