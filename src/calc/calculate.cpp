// The calculate command without widgets: validation, snapshot, loads, section, checks and texts.
#include "calc/calculate.h"

#include <cmath>
#include <initializer_list>

#include "base/numbers.h"
#include "base/tables.h"
#include "calc/loads.h"
#include "calc/section.h"
#include "calc/validation.h"

namespace tavrel {

namespace {

// A text that converts keeps its number; one that does not leaves the field as the last calculation left it.
void copyNumber(const std::string& text, float& field) {
    double value = 0;
    if (tryParseStrict(text, value) && fitsSingle(value)) {
        field = toSingle(value);
    }
}

// The bar count the same way, rounded half to even into its 16 bits.
void copyCount(const std::string& text, std::int16_t& field) {
    if (const auto value = parseStrict(text)) {
        if (const auto count = toInt16HalfEven(*value)) {
            field = *count;
        }
    }
}

void lookUpBarSize(CalculationResults& r) {
    if (const auto size = findBarSize(r.dBar)) {
        r.dOut = size->dOut;
        r.aBar = size->aBar;
    }
}

void lookUpBarGrade(CalculationResults& r, const std::string& grade) {
    if (const auto found = findBarGrade(grade)) {
        r.fsd = found->fsd;
        r.xiB = found->xiB;
        r.C1 = found->C1;
        r.Es = found->Es;
    }
}

// Every value the calculation computes; a non-finite one means an input too large to calculate with.
bool computedValuesFinite(const CalculationResults& r) {
    for (float value :
         {r.q,        r.g,  r.M1, r.V1,  r.La, r.Lb, r.P,  r.p,  r.M2,     r.V2,  r.M3,      r.V3, r.gamma0Md,
          r.gamma0Vd, r.h0, r.x0, r.As0, r.As, r.x,  r.Mu, r.Vc, r.rhoPct, r.rho, r.sigmaSs, r.Wfk}) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void initialiseCrackWidthFactors(CalculationResults& r) {
    r.C2 = kC2LongTermAction;
    r.C3 = kC3MemberForm;
}

void recordConcreteGrade(CalculationResults& r, const std::string& grade) {
    r.concreteGrade = grade;
}

void takeSnapshot(const DesignInput& input, CalculationResults& r) {
    r.isBuried = input.slabType == SlabType::Buried;
    r.isOpen = input.slabType == SlabType::Open;
    r.isCustom = input.slabType == SlabType::Custom;
    copyNumber(input.txtTTG, r.H);
    copyNumber(input.txtJKJ, r.L0);
    copyNumber(input.txtBDH, r.d1);
    copyNumber(input.txtBZH, r.d2);
    copyNumber(input.txtGBK, r.b);
    copyNumber(input.txtJSKJ, r.L);
    copyNumber(input.txtGZCD, r.Lseat);
    copyNumber(input.CboZJZJ, r.dBar);
    copyCount(input.txtZJGS, r.nBars);
    r.loadLevel = input.CboSJHZ;
    r.concreteGrade = input.CboHNTDJ;
    copyNumber(input.txtPZH, r.H1);
    copyNumber(input.txtBCH, r.H2);
    copyNumber(input.txtPZRZ, r.gammaPave);
    copyNumber(input.txtBCRZ, r.gammaSurf);
    copyNumber(input.txtJBHZ, r.qK);
    copyNumber(input.txtJBHZKD, r.qKc);
    copyNumber(input.txtJZL, r.PK);
    lookUpBarSize(r);
    copyNumber(input.txtBHC, r.c);
    r.h0 = effectiveDepth(r.d1, r.c, r.dOut);
    copyNumber(input.txtHNTKY, r.fcd);
    copyNumber(input.txtHNTKL, r.ftd);
    lookUpBarGrade(r, input.CboZJDJ);
    r.barGrade = input.CboZJDJ;
    r.Wlim = allowableCrackWidth(input.CboHJLB);
    r.envClass = input.CboHJLB;
    copyNumber(input.txtTRZ, r.gammaSoil);
    copyNumber(input.txtGBRZ, r.gammaSlab);
}

void calculate(const DesignInput& input, CalculationResults& r) {
    takeSnapshot(input, r);
    computeLoadsAndForces(r);
    designSection(r);
}

std::vector<std::string> CalculateOutcome::messages() const {
    std::vector<std::string> result;
    if (refusal) {
        result.push_back(refusal->message);
    }
    for (const Verdict& verdict : verdicts) {
        if (verdict.message) {
            result.push_back(*verdict.message);
        }
    }
    return result;
}

std::optional<CalculationRefusal> validateAndCalculate(const DesignInput& input, CalculationResults& r) {
    if (auto refusal = validateInput(input)) {
        return CalculationRefusal{refusal->field, std::move(refusal->message)};
    }
    calculate(input, r);
    if (!computedValuesFinite(r)) {
        return CalculationRefusal{std::nullopt, kOutOfRangeResultMessage};
    }
    return std::nullopt;
}

CalculateOutcome runCalculateCommand(const DesignInput& input, CalculationResults& r) {
    CalculateOutcome outcome;
    CalculationResults candidate = r;
    if (auto refusal = validateAndCalculate(input, candidate)) {
        outcome.refusal = std::move(refusal);
        return outcome;
    }
    r = std::move(candidate);
    outcome.texts = resultTexts(r);
    const auto all = verdicts(r);
    outcome.verdicts.assign(all.begin(), all.end());
    outcome.opensStirrupDialog = !checkPasses(r, Check::Shear);
    return outcome;
}

}  // namespace tavrel
