// Section design of the slab and the five checks of JTG D62-2004 or JTG 3362-2018.
#pragma once

#include "calc/calculation_results.h"

namespace tavrel {

// h0 = (d1 - c - dOut/10/2) / 100, in m, from d1 and c in cm and dOut in mm.
float effectiveDepth(float d1Cm, float cCm, float dOutMm);

// Writes x0, As0, As, x, Mu, Vc, rhoPct, C2, sigmaSs and Wfk from the snapshot, the table values and the
// design values of the load combination; under the 2004 edition also rho, under the 2018 edition also
// Vmax, aS, rhoTe0, rhoTe and cw.
void designSection(CalculationResults& r);

// False when the trial compression zone has no real value: the design moment exceeds what the section
// can carry with tension reinforcement alone (h0² < 2·1.25·γ0Md/fcd/b/1000). x0 and As0 then hold 0.
bool trialZoneHasRealValue(const CalculationResults& r);

// The five checks, in the order the window and the report evaluate them.
enum class Check { CompressionZone, MinimumReinforcement, FlexuralCapacity, CrackWidth, Shear };
inline constexpr Check kChecksInOrder[] = {Check::CompressionZone, Check::MinimumReinforcement,
                                           Check::FlexuralCapacity, Check::CrackWidth, Check::Shear};

// Check 5 under the 2018 edition passes when both of its parts pass: the upper limit of the section
// (shearSectionLargeEnough) and the bound without calculated stirrups (Vc >= γ0Vd).
bool checkPasses(const CalculationResults& r, Check check);

// JTG 3362-2018 5.2.11: Vmax >= γ0Vd, the section is large enough for the design shear. Always true under
// the 2004 rules, which set no upper limit. A section too small is cured only by a larger section or a
// higher concrete grade, never by stirrups: the stirrup dialog opens, and its verdict can pass, only when
// this holds.
bool shearSectionLargeEnough(const CalculationResults& r);

// Minimum reinforcement of JTG D62-2004 9.1.12, in %: Pr = 100·As/b/h0 and Pmin = 45·ftd/fsd,
// both single precision.
float reinforcementPercentage(const CalculationResults& r);
float minimumReinforcementPercentage(const CalculationResults& r);

}  // namespace tavrel
