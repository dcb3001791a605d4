// A results record calculated from a design input, as after the main window has loaded.
#pragma once

#include "calc/calculate.h"

namespace tavrel::test {

inline CalculationResults calculated(const DesignInput& input) {
    CalculationResults r;
    initialiseCrackWidthFactors(r);
    calculate(input, r);
    return r;
}

}  // namespace tavrel::test
