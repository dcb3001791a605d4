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

// Who writes a field: the input snapshot, the copy of the input's settings (the safety class), the table
// look-ups, the loads and forces, the section design, or the stirrup dialog.
enum class ResultGroup { Snapshot, Setting, Table, Loads, Section, Stirrup };

// Which calculations write a field: every one, or only those under the 2018 edition.
enum class WrittenUnder { EveryEdition, Edition2018 };

struct SingleResultField {
    std::string_view name;
    float CalculationResults::*member;
    ResultGroup group;
    std::string DesignInput::*source = nullptr;  // the input text a snapshot field is converted from
    WrittenUnder writtenUnder = WrittenUnder::EveryEdition;
};

struct CountResultField {
    std::string_view name;
    std::int16_t CalculationResults::*member;
    ResultGroup group;
    std::string DesignInput::*source = nullptr;
    WrittenUnder writtenUnder = WrittenUnder::EveryEdition;
};

// True for a field that a calculation under `edition` writes: the command line lists only those, so the
// output of a 2004 calculation stays what it has always been.
constexpr bool writtenUnder(WrittenUnder scope, Edition edition) {
    return scope == WrittenUnder::EveryEdition || edition == Edition::Jtg2018;
}

// Every single-precision field and every 16-bit field of the record, in the order of the record.
std::span<const SingleResultField> singleResultFields();
std::span<const CountResultField> countResultFields();

// The fields of the two lists above that the snapshot converts from an input text, in record order.
std::span<const SingleResultField> snapshotSingleFields();
std::span<const CountResultField> snapshotCountFields();

// True for the fields that the calculation computes (loads and forces, section values): a value that is
// not finite there comes from inputs too large to calculate with. A field of the 2018 edition left from an
// earlier calculation passed this check when it was computed.
constexpr bool isComputed(ResultGroup group) {
    return group == ResultGroup::Loads || group == ResultGroup::Section;
}

}  // namespace tavrel
