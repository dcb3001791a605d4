// Section design of the slab and the five checks of JTG D62-2004.
#pragma once

#include "calc/calculation_results.h"

namespace tavrel {

// h0 = (d1 - c - dOut/10/2) / 100, in m, from d1 and c in cm and dOut in mm.
float effectiveDepth(float d1Cm, float cCm, float dOutMm);

// Writes x0, As0, As, x, Mu, Vc, rhoPct, rho, sigmaSs and Wfk from the snapshot, the table values and
// the design values of the load combination.
void designSection(CalculationResults& r);

// False when the trial compression zone has no real value: the design moment exceeds what the section
// can carry with tension reinforcement alone (h0² < 2·1.25·γ0Md/fcd/b/1000). x0 and As0 then hold 0.
bool trialZoneHasRealValue(const CalculationResults& r);

// The five checks, in the order the window and the report evaluate them.
enum class Check { CompressionZone, MinimumReinforcement, FlexuralCapacity, CrackWidth, Shear };
inline constexpr Check kChecksInOrder[] = {Check::CompressionZone, Check::MinimumReinforcement,
                                           Check::FlexuralCapacity, Check::CrackWidth, Check::Shear};

bool checkPasses(const CalculationResults& r, Check check);

// Minimum reinforcement of JTG D62-2004 9.1.12, in %: Pr = 100·As/b/h0 and Pmin = 45·ftd/fsd,
// both single precision.
float reinforcementPercentage(const CalculationResults& r);
float minimumReinforcementPercentage(const CalculationResults& r);

}  // namespace tavrel
