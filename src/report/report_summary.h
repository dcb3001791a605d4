// The summary of the checks at the end of the full report: one row per check with its clause, demand,
// capacity or limit, utilisation and verdict in words, and the conclusion paragraph drawn from them.
#pragma once

#include <string>
#include <vector>

#include "calc/calculation_results.h"
#include "calc/stirrup.h"

namespace tavrel {

struct CheckSummaryRow {
    std::string name;       // "正截面抗弯承载力"
    std::string clause;     // "5.2.2", of the members code
    std::string demand;     // "γ0Md=1234.56 kN·m", a no-break space before the unit
    std::string capacity;   // "Mu=2345.67 kN·m"
    float utilisation = 0;  // demand / capacity, the utilisation design mode ranks designs by
    bool passes = false;    // the check's own verdict, never the ratio
    std::string remedy;     // what to change when the check fails, as the verdict line says it
    // The shear bound of a slab without stirrups is exceeded and the stirrup check that follows decides:
    // as in the calculation sections, that is no failure of its own.
    bool leadsToStirrups = false;
};

// The rows in the order of the report: the five checks; under the 2018 pair the upper limit of the
// section before the shear bound (and, when the section is too small, instead of it, as the report stops
// there); the stirrup check when the slab needs stirrups and the stirrup dialog computed them for this
// calculation.
std::vector<CheckSummaryRow> checkSummary(const CalculationResults& r, StirrupCheck stirrupCheck);

// "满足", "不满足", or "按配箍验算" for a shear bound that leads to the stirrup check.
std::string verdictWord(const CheckSummaryRow& row);

// A row whose check fails the design: printed red and named in the conclusion.
bool isFailure(const CheckSummaryRow& row);

// The utilisation as printed: two decimals ("0.87").
std::string utilisationText(float utilisation);

// One paragraph: every check satisfied, or the failed checks by name and what to change.
std::string conclusionText(const std::vector<CheckSummaryRow>& rows);

}  // namespace tavrel
