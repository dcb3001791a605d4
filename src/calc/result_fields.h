// The numeric fields of the results record by name, in record order: the one list that the command-line
// output, the check that every computed value is finite, and the input snapshot go through.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "calc/calculation_results.h"
#include "model/design_input.h"

namespace tavrel {

// Who writes a field: the input snapshot, the table look-ups, the loads and forces, the section design,
// or the stirrup dialog.
enum class ResultGroup { Snapshot, Table, Loads, Section, Stirrup };

struct SingleResultField {
    std::string_view name;
    float CalculationResults::*member;
    ResultGroup group;
    std::string DesignInput::*source = nullptr;  // the input text a snapshot field is converted from
};

struct CountResultField {
    std::string_view name;
    std::int16_t CalculationResults::*member;
    ResultGroup group;
    std::string DesignInput::*source = nullptr;
};

// Every single-precision field and every 16-bit field of the record, in the order of the record.
std::span<const SingleResultField> singleResultFields();
std::span<const CountResultField> countResultFields();

// True for the fields that the calculation computes (loads and forces, section values): a value that is
// not finite there comes from inputs too large to calculate with.
constexpr bool isComputed(ResultGroup group) {
    return group == ResultGroup::Loads || group == ResultGroup::Section;
}

}  // namespace tavrel
