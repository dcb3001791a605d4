// Section design of the slab and the five checks of JTG D62-2004 or JTG 3362-2018.
// The section is a rectangle of width b with one layer of main bars at the bottom.
#include "calc/section.h"

#include <cmath>

#include "base/numbers.h"
#include "base/units.h"
#include "calc/design_code.h"

namespace tavrel {

namespace {

// h0² - 2·γc·γ0Md/fcd/b/1000: negative when tension steel alone cannot carry the moment.
double trialZoneDiscriminant(const CalculationResults& r) {
    return square(r.h0) - 2 * codeOf(r).section.trialMomentFactor * r.gamma0Md / r.fcd / r.b / 1000;
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
    r.As = toSingle(static_cast<double>(r.nBars) * r.aBar / units::kCm2PerM2);
    r.x = toSingle(static_cast<double>(r.fsd) * r.As / r.fcd / r.b);
    r.Mu = toSingle(static_cast<double>(r.fcd) * r.x * (r.h0 - static_cast<double>(r.x) / 2) * 1000 * r.b);
}

// Vc = 1.25 × 0.5e-3·α2·ftd·b·h0 with α2 = 1 and b, h0 in mm, kN.
void computeShearBound(CalculationResults& r, const SectionFactors& factors) {
    r.Vc = toSingle(factors.slabShearFactor * factors.shearBoundCoefficient * r.ftd * r.h0 * r.b *
                    units::kMmPerM * units::kMmPerM);
}

// JTG 3362-2018 5.2.11: the section takes at most Vmax = 0.51e-3·√fcu,k·b·h0 (b, h0 in mm), kN, with the
// cube strength of the selected grade whatever strengths were typed.
void computeShearUpperLimit(CalculationResults& r, const SectionFactors& factors) {
    r.Vmax = toSingle(factors.shearUpperLimitCoefficient * std::sqrt(static_cast<double>(r.fcukGrade)) *
                      r.h0 * r.b * units::kMmPerM * units::kMmPerM);
}

// A stored ratio within the single-precision bounds of the crack formula.
float bounded(float ratio, const SectionFactors& factors) {
    return ratio > factors.crackRatioMax ? factors.crackRatioMax
                                         : (ratio < factors.crackRatioMin ? factors.crackRatioMin : ratio);
}

// Crack width of JTG D62-2004 6.4.3: Wfk = C1·C2·C3·σss/Es·(30 + d)/(0.28 + 10ρ), mm, with the design
// moment standing in for the service moment, C2 = 1.5 and the nominal bar diameter d.
void computeCrackWidth2004(CalculationResults& r, const SectionFactors& factors) {
    r.rho = bounded(toSingle(r.rhoPct / 100.0), factors);
    r.sigmaSs = toSingle(r.gamma0Md / factors.leverArmFactor / r.As / r.h0 / 1000);
    r.C2 = factors.crackLongTermFactor;
    r.Wfk = toSingle(static_cast<double>(r.C1) * r.C2 * r.C3 * r.sigmaSs / r.Es *
                     (factors.crackDiameterTerm + r.dBar) /
                     (factors.crackRatioConstant + factors.crackRatioFactor * r.rho));
}

// Crack width of JTG 3362-2018 6.4.3 to 6.4.5: Wcr = C1·C2·C3·σss/Es·(c + d)/(0.36 + 1.7·ρte), mm, with
// σss from the frequent moment Ms, C2 = 1 + 0.5·Ml/Ms, the cover c in mm taken as at most 50, the nominal
// bar diameter d, and ρte = As/(2·aS·b) bounded to 0.01 .. 0.1, aS from the bars' centroid to the tension
// face (cm operands, m result).
void computeCrackWidth2018(CalculationResults& r, const SectionFactors& factors) {
    r.aS = toSingle((static_cast<double>(r.c) + static_cast<double>(r.dOut) / 10 / 2) / 100);
    r.rhoTe0 = toSingle(r.As / (factors.tensionAreaDepths * r.aS * r.b));
    r.rhoTe = bounded(r.rhoTe0, factors);
    const double coverMm = static_cast<double>(r.c) * 10;
    r.cw = toSingle(coverMm > factors.crackCoverCapMm ? factors.crackCoverCapMm : coverMm);
    r.sigmaSs = toSingle(r.Ms / factors.leverArmFactor / r.As / r.h0 / 1000);
    r.C2 = toSingle(factors.longTermBase + factors.longTermFactor * r.Ml / r.Ms);
    r.Wfk = toSingle(static_cast<double>(r.C1) * r.C2 * r.C3 * r.sigmaSs / r.Es *
                     (static_cast<double>(r.cw) + r.dBar) /
                     (factors.crackRatioConstant + factors.crackRatioFactor * r.rhoTe));
}

// 100·As/(b·h0), the percentage the minimum-reinforcement check compares.
double checkedPercentage(const CalculationResults& r) {
    return 100.0 * r.As / (static_cast<double>(r.b) * r.h0);
}

bool minimumReinforcementPasses(const CalculationResults& r) {
    const double percentage = checkedPercentage(r);
    const bool aboveStrengthLimit = toSingle(percentage) >= minimumReinforcementPercentage(r);
    return aboveStrengthLimit && percentage >= codeOf(r).section.absoluteMinimumPct;
}

}  // namespace

float effectiveDepth(float d1Cm, float cCm, float dOutMm) {
    return toSingle((static_cast<double>(d1Cm) - cCm - static_cast<double>(dOutMm) / 10 / 2) / 100);
}

void designSection(CalculationResults& r) {
    const DesignCode& code = codeOf(r);
    const SectionFactors& factors = code.section;
    designTrialZone(r);
    checkChosenBars(r);
    computeShearBound(r, factors);
    r.rhoPct = reinforcementPercentage(r);
    if (code.edition == Edition::Jtg2018) {
        computeShearUpperLimit(r, factors);
        computeCrackWidth2018(r, factors);
    } else {
        computeCrackWidth2004(r, factors);
    }
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
        case Check::Shear:  // the section is large enough, and needs no calculated stirrups (5.2.10, 5.2.12)
            return shearSectionLargeEnough(r) && r.Vc >= r.gamma0Vd;
    }
    return false;
}

bool shearSectionLargeEnough(const CalculationResults& r) {
    if (codeOf(r).edition != Edition::Jtg2018) {
        return true;
    }
    return r.Vmax >= r.gamma0Vd;
}

float reinforcementPercentage(const CalculationResults& r) {
    return toSingle(100.0 * r.As / r.b / r.h0);
}

float minimumReinforcementPercentage(const CalculationResults& r) {
    return toSingle(codeOf(r).section.minimumReinforcementFactor * r.ftd / r.fsd);
}

}  // namespace tavrel
