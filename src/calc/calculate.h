// The calculate command without widgets: validation, snapshot, loads, section, checks and texts.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/calculation_results.h"
#include "calc/presentation.h"
#include "model/design_input.h"

namespace tavrel {

// A refused input: the field to enable and focus (none when no single field is to blame) and the message.
struct CalculationRefusal {
    std::optional<TextField> field;
    std::string message;
};

struct CalculateOutcome {
    std::optional<CalculationRefusal> refusal;  // set: nothing was computed or written
    ResultTexts texts;
    std::vector<Verdict> verdicts;  // in check order; empty when refused
    bool opensStirrupDialog = false;

    bool calculated() const { return !refusal; }
    // The failure messages in the order the window shows them.
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
// range, `r` holds that calculation. The command runs it on a copy of its record; the design search
// runs it on a record of its own for every candidate, so that both judge a slab alike.
std::optional<CalculationRefusal> validateAndCalculate(const DesignInput& input, CalculationResults& r);

// The whole command: a refused input writes nothing into the record.
CalculateOutcome runCalculateCommand(const DesignInput& input, CalculationResults& r);

inline constexpr const char* kOutOfRangeResultMessage = "输入数值过大，计算结果超出数值范围,请重新输入";

}  // namespace tavrel
