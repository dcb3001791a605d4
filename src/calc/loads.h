// Loads on the slab, internal forces of each load group and the design values of the load combination.
#pragma once

#include "calc/calculation_results.h"

namespace tavrel {

// Reads the input snapshot and writes q, g, M1..M3, V1..V3, La, Lb, P, p, gamma0Md, gamma0Vd (which of
// them depends on the slab type). Each expression is evaluated in double and stored in single precision.
void computeLoadsAndForces(CalculationResults& r);

}  // namespace tavrel
