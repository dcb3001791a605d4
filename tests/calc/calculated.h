// A results record calculated from a design input, as after the main window has loaded.
#pragma once

#include "calc/calculate.h"

namespace tavrel::test {

// The record as the main window holds it before its first calculation: only the crack width factors set.
inline CalculationResults freshResults() {
    CalculationResults r;
    initialiseCrackWidthFactors(r);
    return r;
}

inline CalculationResults calculated(const DesignInput& input) {
    CalculationResults r = freshResults();
    calculate(input, r);
    return r;
}

}  // namespace tavrel::test
