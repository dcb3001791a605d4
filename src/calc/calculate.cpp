// The calculate command without widgets: validation, snapshot, loads, section, checks and texts.
#include "calc/calculate.h"

#include <cmath>
#include <initializer_list>

#include "base/numbers.h"
#include "base/tables.h"
#include "calc/design_code.h"
#include "calc/loads.h"
#include "calc/result_fields.h"
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
    if (const auto found = findBarGrade(r.edition, grade)) {
        r.fsd = found->fsd;
        r.xiB = found->xiB;
        r.C1 = found->C1;
        r.Es = found->Es;
    }
}

// The safety class and its γ0, which only the 2018 edition reads (the 2004 rules fix γ0 at 0.9).
void copySafetyClass(const DesignInput& input, CalculationResults& r) {
    r.safetyClass = static_cast<std::int16_t>(safetyClassNumber(input.safetyClass));
    r.safetyName.assign(safetyClassName(input.safetyClass));
    r.gamma0 = toSingle(codeOf(r).importanceFactor(input.safetyClass));
}

// The cube strength of the selected grade, for the upper limit of the section in shear (2018).
void lookUpGradeStrength(const DesignInput& input, CalculationResults& r) {
    if (const auto grade = findConcreteGrade(r.edition, input.CboHNTDJ)) {
        r.fcukGrade = grade->fcuk;
    }
}

// The allowable crack width, and under the 2018 edition the meaning of the class (one look-up).
void lookUpEnvironment(const DesignInput& input, CalculationResults& r) {
    if (r.edition == Edition::Jtg2018) {
        if (const auto environment = findEnvironmentClass(r.edition, input.CboHJLB)) {
            r.Wlim = environment->Wlim;
            r.envName.assign(environment->meaning);
        }
    } else if (const auto width = allowableCrackWidth(r.edition, input.CboHJLB)) {
        r.Wlim = *width;
    }
    r.envClass = input.CboHJLB;
}

// Every value the calculation computes; a non-finite one means an input too large to calculate with.
bool computedValuesFinite(const CalculationResults& r) {
    for (const SingleResultField& field : singleResultFields()) {
        if (isComputed(field.group) && !std::isfinite(r.*field.member)) {
            return false;
        }
    }
    return true;
}

}  // namespace

// The crack-width factors of the 2004 rules, which set them when the main window loads; a calculation
// under the 2004 edition writes the same C2 again, one under the 2018 edition computes its own.
void initialiseCrackWidthFactors(CalculationResults& r) {
    const SectionFactors& factors = designCode(Edition::Jtg2004).section;
    r.C2 = factors.crackLongTermFactor;
    r.C3 = factors.crackMemberFormFactor;
}

void recordConcreteGrade(CalculationResults& r, const std::string& grade) {
    r.concreteGrade = grade;
}

// The converted input first (each text independently), then what is looked up or derived from it.
void takeSnapshot(const DesignInput& input, CalculationResults& r) {
    r.edition = input.edition;
    if (r.edition == Edition::Jtg2018) {
        copySafetyClass(input, r);
    }
    r.isBuried = input.slabType == SlabType::Buried;
    r.isOpen = input.slabType == SlabType::Open;
    r.isCustom = input.slabType == SlabType::Custom;
    for (const SingleResultField& field : snapshotSingleFields()) {
        copyNumber(input.*field.source, r.*field.member);
    }
    for (const CountResultField& field : snapshotCountFields()) {
        copyCount(input.*field.source, r.*field.member);
    }
    r.loadLevel = input.CboSJHZ;
    r.concreteGrade = input.CboHNTDJ;
    if (r.edition == Edition::Jtg2018) {
        lookUpGradeStrength(input, r);
    }
    lookUpBarSize(r);
    r.h0 = effectiveDepth(r.d1, r.c, r.dOut);
    lookUpBarGrade(r, input.CboZJDJ);
    r.barGrade = input.CboZJDJ;
    lookUpEnvironment(input, r);
}

void calculate(const DesignInput& input, CalculationResults& r) {
    takeSnapshot(input, r);
    computeLoadsAndForces(r);
    designSection(r);
}

std::vector<std::string> CalculateOutcome::messages() const {
    std::vector<std::string> result;
    for (const Verdict& verdict : verdicts) {
        if (verdict.message) {
            result.push_back(*verdict.message);
        }
    }
    return result;
}

Expected<void, Refusal> validateAndCalculate(const DesignInput& input, CalculationResults& r) {
    if (Expected<void, Refusal> valid = validateInput(input); !valid) {
        return valid;
    }
    calculate(input, r);
    if (!computedValuesFinite(r)) {
        return unexpected(Refusal{{ErrorCode::ResultOutOfRange, kOutOfRangeResultMessage}, std::nullopt});
    }
    return {};
}

Expected<CalculateOutcome, Refusal> runCalculateCommand(const DesignInput& input, CalculationResults& r) {
    CalculationResults candidate = r;
    if (const Expected<void, Refusal> accepted = validateAndCalculate(input, candidate); !accepted) {
        return unexpected(accepted.error());
    }
    r = std::move(candidate);
    CalculateOutcome outcome;
    outcome.texts = resultTexts(r);
    const auto all = verdicts(r);
    outcome.verdicts.assign(all.begin(), all.end());
    outcome.opensStirrupDialog = !checkPasses(r, Check::Shear) && shearSectionLargeEnough(r);
    return outcome;
}

}  // namespace tavrel
