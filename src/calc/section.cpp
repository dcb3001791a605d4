// Section design of the slab and the five checks of JTG D62-2004.
// The section is a rectangle of width b with one layer of main bars at the bottom.
#include "calc/section.h"

#include <cmath>

#include "base/numbers.h"

namespace tavrel {

namespace {

// Factor on the design moment in the trial compression zone only (printed by the report as γc).
constexpr double kTrialMomentFactor = 1.25;
// JTG D62-2004 5.2.10: shear bound 0.5e-3·α2·ftd·b·h0 (b, h0 in mm), raised by 1.25 for plate members.
constexpr double kSlabShearFactor = 1.25;
constexpr double kShearBoundCoefficient = 0.0005;
// JTG D62-2004 6.4.3: lever arm factor of the steel stress σss = Ms / (0.87·As·h0).
constexpr double kLeverArmFactor = 0.87;
// JTG D62-2004 6.4.3: bounds of the reinforcement ratio ρ in the crack-width formula.
constexpr float kCrackRatioMax = 0.02f;
constexpr float kCrackRatioMin = 0.006f;
// JTG D62-2004 9.1.12: minimum percentage 45·ftd/fsd.
constexpr double kMinimumReinforcementFactor = 45;

constexpr double kCm2PerM2 = 10000;
constexpr double kMmPerM = 1000;

// h0² - 2·γc·γ0Md/fcd/b/1000: negative when tension steel alone cannot carry the moment.
double trialZoneDiscriminant(const CalculationResults& r) {
    return square(r.h0) - 2 * kTrialMomentFactor * r.gamma0Md / r.fcd / r.b / 1000;
}

// x0 = h0 - (h0² - 2·γc·γ0Md/fcd/b/1000)^(1/2) (m), and As0 = fcd·x0·b/fsd (m²).
void designTrialZone(CalculationResults& r) {
    const double discriminant = trialZoneDiscriminant(r);
    if (discriminant < 0) {
        r.x0 = 0;
        r.As0 = 0;
        return;
    }
    r.x0 = toSingle(r.h0 - std::sqrt(discriminant));
    r.As0 = toSingle(static_cast<double>(r.fcd) * r.x0 * r.b / r.fsd);
}

// The chosen bars: area As (m²), compression zone x (m) and flexural capacity Mu = fcd·b·x·(h0 - x/2)
// (JTG D62-2004 5.2.2), kNm.
void checkChosenBars(CalculationResults& r) {
    r.As = toSingle(static_cast<double>(r.nBars) * r.aBar / kCm2PerM2);
    r.x = toSingle(static_cast<double>(r.fsd) * r.As / r.fcd / r.b);
    r.Mu = toSingle(static_cast<double>(r.fcd) * r.x * (r.h0 - static_cast<double>(r.x) / 2) * 1000 * r.b);
}

// Vc = 1.25 × 0.5e-3·α2·ftd·b·h0 with α2 = 1 and b, h0 in mm, kN.
void computeShearBound(CalculationResults& r) {
    r.Vc = toSingle(kSlabShearFactor * kShearBoundCoefficient * r.ftd * r.h0 * r.b * kMmPerM * kMmPerM);
}

// Crack width of JTG D62-2004 6.4.3: Wfk = C1·C2·C3·σss/Es·(30 + d)/(0.28 + 10ρ), mm, with the design
// moment standing in for the service moment and the nominal bar diameter d.
void computeCrackWidth(CalculationResults& r) {
    r.rhoPct = reinforcementPercentage(r);
    const float ratio = toSingle(r.rhoPct / 100.0);
    r.rho = ratio > kCrackRatioMax ? kCrackRatioMax : (ratio < kCrackRatioMin ? kCrackRatioMin : ratio);
    r.sigmaSs = toSingle(r.gamma0Md / kLeverArmFactor / r.As / r.h0 / 1000);
    r.Wfk = toSingle(static_cast<double>(r.C1) * r.C2 * r.C3 * r.sigmaSs / r.Es * (30.0 + r.dBar) /
                     (0.28 + 10.0 * r.rho));
}

// 100·As/(b·h0), the percentage the minimum-reinforcement check compares.
double checkedPercentage(const CalculationResults& r) {
    return 100.0 * r.As / (static_cast<double>(r.b) * r.h0);
}

bool minimumReinforcementPasses(const CalculationResults& r) {
    const double percentage = checkedPercentage(r);
    const bool aboveStrengthLimit = toSingle(percentage) >= minimumReinforcementPercentage(r);
    return aboveStrengthLimit && percentage >= kAbsoluteMinimumReinforcementPct;
}

}  // namespace

float effectiveDepth(float d1Cm, float cCm, float dOutMm) {
    return toSingle((static_cast<double>(d1Cm) - cCm - static_cast<double>(dOutMm) / 10 / 2) / 100);
}

void designSection(CalculationResults& r) {
    designTrialZone(r);
    checkChosenBars(r);
    computeShearBound(r);
    computeCrackWidth(r);
}

bool trialZoneHasRealValue(const CalculationResults& r) {
    return trialZoneDiscriminant(r) >= 0;
}

bool checkPasses(const CalculationResults& r, Check check) {
    switch (check) {
        case Check::CompressionZone:  // JTG D62-2004 5.2.1: x <= ξb·h0
            return r.x <= toSingle(static_cast<double>(r.xiB) * r.h0);
        case Check::MinimumReinforcement:  // JTG D62-2004 9.1.12
            return minimumReinforcementPasses(r);
        case Check::FlexuralCapacity:  // JTG D62-2004 5.2.2: Mu >= γ0Md
            return r.Mu >= r.gamma0Md;
        case Check::CrackWidth:  // JTG D62-2004 6.4.2: Wfk <= Wlim
            return r.Wfk <= r.Wlim;
        case Check::Shear:  // JTG D62-2004 5.2.10: the section needs no calculated stirrups
            return r.Vc >= r.gamma0Vd;
    }
    return false;
}

float reinforcementPercentage(const CalculationResults& r) {
    return toSingle(100.0 * r.As / r.b / r.h0);
}

float minimumReinforcementPercentage(const CalculationResults& r) {
    return toSingle(kMinimumReinforcementFactor * r.ftd / r.fsd);
}

}  // namespace tavrel
