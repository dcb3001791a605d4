// The load combinations that end report section 3: the basic combination of the design code with the
// design moment and shear (JTG D60-2004 4.1.6; JTG D60-2015 4.1.5), and under the current codes the
// frequent and quasi-permanent combinations that the crack width takes (JTG D60-2015 4.1.6).
#include <string>

#include "base/numbers.h"
#include "calc/design_code.h"
#include "report/report_code_text.h"
#include "report/report_sections.h"

namespace tavrel {

namespace {

constexpr int kOneDecimal = 1;   // pattern "0.0"
constexpr int kTwoDecimals = 2;  // pattern "0.00"

constexpr const char* kMidspanMoment = "      跨中弯矩";
constexpr const char* kWallFaceShear = "      边墙内侧边缘处剪力";

// One design value of the basic combination: the midspan moment or the shear at the wall face, with the
// effects of the actions 1, 2 and 3 (the third of the custom load only) it combines.
struct DesignEffect {
    const char* caption;
    const char* symbol;  // "M", "V"
    float first;
    float second;
    float third;
    float design;
    const char* unit;
    // The 2004 report of the custom load writes 0.9×1.2×(M1+M2+M3) but 0.9×1.2(V1+V2+V3), as it always has.
    const char* customProductSign;
};

DesignEffect midspanMoment(const CalculationResults& r) {
    return {kMidspanMoment, "M", r.M1, r.M2, r.M3, r.gamma0Md, "kNm", "×"};
}

DesignEffect wallFaceShear(const CalculationResults& r) {
    return {kWallFaceShear, "V", r.V1, r.V2, r.V3, r.gamma0Vd, "kN", ""};
}

// γ0 of the 2004 rules, the same for every safety class: "0.9".
std::string fixedImportanceFactor(const DesignCode& code) {
    return factorText(code.importanceFactor(kDefaultSafetyClass));
}

// "M_{1}": the effect of one action.
std::string effectOf(const DesignEffect& effect, const char* action) {
    return std::string(effect.symbol) + "_{" + action + "}";
}

// How γ0 and the impact enter the basic combination of the buried and open types: the 2004 rules fix γ0
// and put the impact into the wheel pressure; the current codes take γ0 of the safety class and 1+μ as a
// factor of the vehicle load.
struct CombinationFactors {
    std::string importanceSymbol;  // in the formula: "0.9", "γ_{0}"
    std::string importanceValue;   // with the numbers: "0.9", "1.0"
    std::string impactSymbol;      // "", "(1+μ)"
    std::string impactValue;       // "", "1.3×"
};

CombinationFactors combinationFactors(const CalculationResults& r) {
    if (reportsCurrentCodeMethod(r)) {
        return {"γ_{0}", formatFixed(r.gamma0, kOneDecimal), "(1+μ)",
                formatFixed(r.impact, kOneDecimal) + "×"};
    }
    const std::string importance = fixedImportanceFactor(codeOf(r));
    return {importance, importance, "", ""};
}

// γ0·(γG·G + γQ·(1+μ)·Q) of the buried and open types.
void composeVehicleCombination(ReportComposer& out, const CalculationResults& r, const DesignEffect& effect) {
    const LoadFactors& loads = codeOf(r).loads;
    const CombinationFactors factors = combinationFactors(r);
    const std::string permanent = factorText(loads.permanent);
    const std::string vehicle = factorText(loads.vehicle);
    ReportLine formula = out.line().text("          γ_{0}").text(effectOf(effect, "d")).text("=");
    formula.text(factors.importanceSymbol).text("(").text(permanent).text(effectOf(effect, "1")).text("+");
    formula.text(vehicle).text(factors.impactSymbol).text(effectOf(effect, "2")).text(")");
    ReportLine numbers = out.continuation().text("             =").text(factors.importanceValue).text("×(");
    numbers.text(permanent).text("×").value(effect.first, kTwoDecimals).text("+").text(vehicle).text("×");
    numbers.text(factors.impactValue).value(effect.second, kTwoDecimals).text(")=");
    numbers.value(effect.design, kTwoDecimals).text(effect.unit);
}

// The 2004 rules take every action of the custom load as permanent: 0.9×1.2×(M1+M2+M3).
void composeCustomCombination2004(ReportComposer& out, const CalculationResults& r,
                                  const DesignEffect& effect) {
    const LoadFactors& loads = codeOf(r).loads;
    const std::string factors = fixedImportanceFactor(codeOf(r)) + "×" + factorText(loads.permanent);
    ReportLine formula =
        out.line().text("          γ_{0}").text(effectOf(effect, "d")).text("=").text(factors);
    formula.text(effect.customProductSign).text("(").text(effectOf(effect, "1")).text("+");
    formula.text(effectOf(effect, "2")).text("+").text(effectOf(effect, "3")).text(")");
    ReportLine numbers = out.continuation().text("             =").text(factors).text("×(");
    numbers.value(effect.first, kTwoDecimals).text("+").value(effect.second, kTwoDecimals).text("+");
    numbers.value(effect.third, kTwoDecimals).text(")=").value(effect.design, kTwoDecimals).text(effect.unit);
}

// The current codes take the uniform load and the self-weight of the custom load as permanent and the
// force at midspan as a vehicle: γ0·(1.2·(M1+M3) + 1.8·M2).
void composeCustomCombination2018(ReportComposer& out, const CalculationResults& r,
                                  const DesignEffect& effect) {
    const LoadFactors& loads = codeOf(r).loads;
    const std::string permanent = factorText(loads.permanent);
    const std::string vehicle = factorText(loads.vehicle);
    ReportLine formula = out.line().text("          γ_{0}").text(effectOf(effect, "d")).text("=γ_{0}(");
    formula.text(permanent).text("(").text(effectOf(effect, "1")).text("+").text(effectOf(effect, "3"));
    formula.text(")+").text(vehicle).text(effectOf(effect, "2")).text(")");
    ReportLine numbers = out.continuation().text("             =").value(r.gamma0, kOneDecimal).text("×(");
    numbers.text(permanent).text("×(").value(effect.first, kTwoDecimals).text("+");
    numbers.value(effect.third, kTwoDecimals).text(")+").text(vehicle).text("×");
    numbers.value(effect.second, kTwoDecimals).text(")=");
    numbers.value(effect.design, kTwoDecimals).text(effect.unit);
}

using EffectComposer = void (*)(ReportComposer&, const CalculationResults&, const DesignEffect&);

// The form of the basic combination: one for the buried and open types under both editions, and for the
// custom load the 2004 one that takes every action as permanent or the current one with a vehicle force.
EffectComposer combinationForm(const CalculationResults& r) {
    if (slabTypeOf(r) != SlabType::Custom) {
        return composeVehicleCombination;
    }
    return reportsCurrentCodeMethod(r) ? composeCustomCombination2018 : composeCustomCombination2004;
}

// The basic combination of the design code with the design moment and shear, as item `item` of section 3.
void composeBasicCombination(ReportComposer& out, const CalculationResults& r, const char* item) {
    const DesignCode& code = codeOf(r);
    const ReportWording& wording = reportWording(r);
    const bool custom = slabTypeOf(r) == SlabType::Custom;
    out.introduction().text(item).text(wording.combinationHeading);
    ReportLine clause = out.introduction().text(loadsClauseCited(code, code.clauses.combination));
    clause.text("关于").text(wording.basicCombination).text("的规定");
    if (custom) {
        clause.text(wording.customActions);
    }
    clause.text("：");
    const EffectComposer composeEffect = combinationForm(r);
    for (const DesignEffect& effect : {midspanMoment(r), wallFaceShear(r)}) {
        out.introduction().text(effect.caption);
        composeEffect(out, r, effect);
    }
}

// Ms = M1 (+ M3) + ψ·M2: a midspan moment of a serviceability combination.
void composeServiceMoment(ReportComposer& out, const CalculationResults& r, const char* caption,
                          const char* combination, double vehicleFactor, float moment) {
    const bool custom = slabTypeOf(r) == SlabType::Custom;
    const std::string factor = factorText(vehicleFactor);
    out.introduction().text(caption);
    ReportLine line = out.line().text("          M_{" + std::string(combination) + "}=M_{1}+");
    if (custom) {
        line.text("M_{3}+");
    }
    line.text(factor).text("M_{2}=").value(r.M1, kTwoDecimals).text("+");
    if (custom) {
        line.value(r.M3, kTwoDecimals).text("+");
    }
    line.text(factor).text("×").value(r.M2, kTwoDecimals).text("=").value(moment, kTwoDecimals).text("kNm");
}

// JTG D60-2015 4.1.6: the midspan moments of the frequent and the quasi-permanent combination, with the
// vehicle load without impact; the crack width of section 6 takes them.
void composeServiceCombinations(ReportComposer& out, const CalculationResults& r) {
    const DesignCode& code = codeOf(r);
    ReportLine clause = out.introduction().text(loadsClauseCited(code, code.clauses.serviceCombinations));
    clause.text("关于作用频遇组合和作用准永久组合的规定");
    if (slabTypeOf(r) != SlabType::Custom) {
        clause.text("（汽车荷载不计冲击力）");
    }
    clause.text("：");
    composeServiceMoment(out, r, "      作用频遇组合跨中弯矩", "s", code.loads.frequent, r.Ms);
    composeServiceMoment(out, r, "      作用准永久组合跨中弯矩", "l", code.loads.quasiPermanent, r.Ml);
}

}  // namespace

void composeLoadCombinations(ReportComposer& out, const CalculationResults& r, const char* item) {
    composeBasicCombination(out, r, item);
    if (reportsCurrentCodeMethod(r)) {
        composeServiceCombinations(out, r);
    }
}

}  // namespace tavrel
