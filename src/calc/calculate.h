// The calculate command without widgets: validation, snapshot, loads, section, checks and texts.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/calculation_results.h"
#include "calc/presentation.h"
#include "calc/validation.h"
#include "model/design_input.h"

namespace tavrel {

// What a calculation shows on the main window.
struct CalculateOutcome {
    ResultTexts texts;
    std::vector<Verdict> verdicts;  // in check order
    bool opensStirrupDialog = false;

    // The failure messages of the checks in the order the window shows them.
    std::vector<std::string> messages() const;
};

// Main window load: the crack-width factors C2 and C3 are set here and nowhere else.
void initialiseCrackWidthFactors(CalculationResults& r);

// The concrete grade list's selection handling stores the picked grade in the record.
void recordConcreteGrade(CalculationResults& r, const std::string& grade);

// Copies and converts the input snapshot and the table values into the record, in record order. A text
// that does not convert keeps the field's previous value (only fields the slab type does not use).
void takeSnapshot(const DesignInput& input, CalculationResults& r);

// Snapshot, loads and forces, section design; no validation.
void calculate(const DesignInput& input, CalculationResults& r);

// The command's judgement without its texts: the input checks, then the calculation into `r`, whose
// values must all be finite. Refused by the input checks, `r` is untouched; refused for a value out of
// range (ResultOutOfRange), `r` holds that calculation. The command runs it on a copy of its record; the
// design search runs it on a record of its own for every candidate, so that both judge a slab alike.
Expected<void, Refusal> validateAndCalculate(const DesignInput& input, CalculationResults& r);

// The whole command. A refused input (the first failed check, or ResultOutOfRange) writes nothing into the
// record.
Expected<CalculateOutcome, Refusal> runCalculateCommand(const DesignInput& input, CalculationResults& r);

// An input that passes every check yet makes a result overflow single precision: a huge load, or a tiny
// slab width that a load is divided by.
inline constexpr const char* kOutOfRangeResultMessage = "输入数值超出计算所能处理的范围,请重新输入";

}  // namespace tavrel
