// Stirrup shear check of JTG D62-2004 5.2.7 or JTG 3362-2018 5.2.9: the state and rules of the stirrup
// dialog, without widgets.
#include "calc/stirrup.h"

#include <cmath>

#include "base/numbers.h"
#include "base/tables.h"
#include "base/units.h"
#include "calc/design_code.h"
#include "calc/presentation.h"
#include "calc/section.h"

namespace tavrel {

namespace {

constexpr const char* kSpacingOutOfRangeMessage = "箍筋间距超出允许范围,请重新输入";

// 2 + 0.6·P, with P capped at 2.5.
double percentageFactor(const StirrupFactors& factors, float rhoPct) {
    const float percentage = rhoPct > factors.percentageCap ? factors.percentageCap : rhoPct;
    return factors.percentageBase + factors.percentageFactor * percentage;
}

}  // namespace

float stirrupShearCapacity(const DesignCode& code, float bM, float h0M, float rhoPct, std::int16_t fcuk,
                           float rhoSv, std::int16_t fsv) {
    const double sectionTerm = bM * code.stirrupCapacityCoefficient() * units::kMmPerM * h0M * units::kMmPerM;
    const double reinforcementTerm =
        percentageFactor(code.stirrups, rhoPct) * std::sqrt(static_cast<double>(fcuk)) * rhoSv * fsv;
    return toSingle(sectionTerm * std::sqrt(reinforcementTerm));
}

std::span<const StirrupGrade> StirrupDesign::gradeEntries() const {
    return materialTables(m_results.edition).stirrupGrades;
}

std::string_view StirrupDesign::defaultGrade() const {
    return materialTables(m_results.edition).defaultStirrupGrade;
}

std::string StirrupDesign::load() {
    m_hasCurrentCapacity = false;
    const std::string grade(defaultGrade());
    selectGrade(grade);
    selectDiameter(std::string(kDefaultStirrupDiameter));
    m_strength = *findStirrupStrength(m_results.edition, grade);
    const std::string shearText = formatTwoDecimals(m_results.gamma0Vd);
    m_results.stirrupGrade = grade;
    m_results.dSv = toSingle(parseLenient(kDefaultStirrupDiameter));
    m_results.sv = kDefaultStirrupSpacingCm;
    return shearText;
}

// A new grade or diameter is written into the record at once, so the stored Vcs, computed for the
// stirrups selected before, no longer describes the stirrups in the record.
void StirrupDesign::selectGrade(const std::string& grade) {
    m_hasCurrentCapacity = false;
    if (const auto strength = findStirrupStrength(m_results.edition, grade)) {
        m_strength = *strength;
    }
    m_results.stirrupGrade = grade;
}

void StirrupDesign::selectDiameter(const std::string& diameterText) {
    m_hasCurrentCapacity = false;
    m_diameterText = diameterText;
    m_results.dSv = toSingle(parseLenient(diameterText));
}

Expected<std::string, Refusal> StirrupDesign::press(const std::string& spacingText,
                                                    const std::string& mainConcreteGrade) {
    const auto spacing = parseStrict(spacingText);
    if (!spacing) {
        return refuseInput(std::nullopt, kStirrupSpacingMessage);
    }
    const auto spacingCm = toInt16HalfEven(*spacing);
    if (!spacingCm) {
        return refuseInput(std::nullopt, *spacing > 0 ? kSpacingOutOfRangeMessage : kStirrupSpacingMessage);
    }
    if (*spacingCm <= 0) {
        return refuseInput(std::nullopt, kStirrupSpacingMessage);
    }
    CalculationResults& r = m_results;
    r.sv = *spacingCm;
    if (const auto grade = findConcreteGrade(r.edition, mainConcreteGrade)) {
        r.fcuk = grade->fcuk;
    }
    if (const auto area = findStirrupArea(toSingle(parseLenient(m_diameterText)))) {
        r.Asv = toSingle(*area / 10000.0);
    }
    r.rhoSv = toSingle(r.Asv / (r.sv / 100.0) / r.b);
    r.fsv = m_strength;
    r.Vcs = stirrupShearCapacity(codeOf(r), r.b, r.h0, r.rhoPct, r.fcuk, r.rhoSv, r.fsv);
    m_hasCurrentCapacity = true;
    return formatTwoDecimals(r.Vcs);
}

StirrupClosingUpdate StirrupDesign::close(const std::string& dialogJLKLText) const {
    const CalculationResults& r = m_results;
    StirrupClosingUpdate update;
    if (!m_hasCurrentCapacity) {
        // No stirrups computed for this section: the calculation's own shear verdict stands, which fails
        // whenever the section needs stirrups, and nothing is copied.
        update.passed = checkPasses(r, Check::Shear);
        update.caption = verdictCaption(Check::Shear, update.passed);
        return update;
    }
    update.passed = r.Vcs > r.gamma0Vd && shearSectionLargeEnough(r);
    update.caption = verdictCaption(Check::Shear, update.passed);
    if (update.passed) {
        update.mainJLKLText = dialogJLKLText;
        update.mainZDJLText = formatTwoDecimals(r.gamma0Vd);
    } else if (r.Vcs > r.Vc) {
        update.mainJLKLText = dialogJLKLText;  // the main window shows the larger of the two resistances
    }
    return update;
}

void applyClosingUpdate(const StirrupClosingUpdate& update, ResultTexts& texts, Verdict& shear) {
    if (update.mainJLKLText) {
        texts.txtJLKL = *update.mainJLKLText;
    }
    if (update.mainZDJLText) {
        texts.txtZDJL = *update.mainZDJLText;
    }
    shear.passed = update.passed;
    shear.caption = update.caption;
    shear.colour = verdictColour(update.passed);
}

}  // namespace tavrel
