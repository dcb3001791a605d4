// Report section 6: the crack width of the members code (JTG D62-2004 6.4; JTG 3362-2018 6.4 with the
// long-term factor and the effective reinforcement ratio) against the limit of the environment class.
#include <string>

#include "base/units.h"
#include "calc/design_code.h"
#include "calc/section.h"
#include "report/report_code_text.h"
#include "report/report_sections.h"

namespace tavrel {

namespace {

constexpr int kTwoDecimals = 2;    // pattern "0.00"
constexpr int kThreeDecimals = 3;  // pattern "0.000"
constexpr int kFourDecimals = 4;   // pattern "0.0000"
constexpr int kSixDecimals = 6;    // pattern "0.000000"

constexpr float kModulusMantissaScale = 100000;  // Es is shown as a mantissa times 10^5

// σss = Ms/0.87/As/h0 with the moment the edition takes: the design moment γ0·Md under the 2004 rules, the
// moment of the frequent combination under the current codes.
void composeSteelStress(ReportComposer& out, const CalculationResults& r) {
    const std::string leverArm = factorText(codeOf(r).section.leverArmFactor);
    const float moment = reportsCurrentCodeMethod(r) ? r.Ms : r.gamma0Md;
    out.introduction().text(reportWording(r).steelStressCaption);
    ReportLine stress = out.line().text("      σ_{ss}=M_{s}/").text(leverArm).text("/A_{s}/h_{0}=");
    stress.value(moment, kTwoDecimals).text("/").text(leverArm).text("/").value(r.As, kSixDecimals).text("/");
    stress.value(r.h0, kThreeDecimals).text("=").value(r.sigmaSs, kTwoDecimals).text("Mpa");
}

// JTG D62-2004 6.4.3: Wfk = C1·C2·C3·σss·(30+d)/Es/(0.28+10·ρ), C2 fixed.
void composeCrackFormula2004(ReportComposer& out, const CalculationResults& r) {
    const SectionFactors& factors = codeOf(r).section;
    const std::string diameterTerm = factorText(factors.crackDiameterTerm);
    const std::string ratioConstant = factorText(factors.crackRatioConstant);
    const std::string ratioFactor = factorText(factors.crackRatioFactor);
    out.introduction().text("  裂缝宽度");
    ReportLine formula = out.line().text("      W_{fk}=C_{1}·C_{2}·C_{3}·σ_{ss}·(").text(diameterTerm);
    formula.text("+d)/E_{s}/(").text(ratioConstant).text("+").text(ratioFactor).text("·ρ)");
    ReportLine numbers =
        out.continuation().text("          =").value(r.C1).text("×").value(r.C2).text("×").value(r.C3);
    numbers.text("×").value(r.sigmaSs, kTwoDecimals).text("×(").text(diameterTerm).text("+").value(r.dBar);
    numbers.text(")/").value(singleQuotient(r.Es, kModulusMantissaScale), kTwoDecimals).text("×10^{5}/(");
    numbers.text(ratioConstant).text("+").text(ratioFactor).text("×").value(r.rho, kFourDecimals).text(")");
}

// JTG 3362-2018 6.4.4 and 6.4.5: C2 = 1 + 0.5·Ml/Ms; ρte = As/(2·as·b) over the effective tension area,
// taken within its bounds (the bounds compared as the stored singles).
void composeLongTermAndEffectiveRatio(ReportComposer& out, const CalculationResults& r) {
    const SectionFactors& factors = codeOf(r).section;
    const std::string base = factorText(factors.longTermBase);
    const std::string longTerm = factorText(factors.longTermFactor);
    out.introduction().text("  长期效应影响系数");
    ReportLine c2 = out.line().text("      C_{2}=").text(base).text("+").text(longTerm).text("·M_{l}/M_{s}=");
    c2.text(base).text("+").text(longTerm).text("×").value(r.Ml, kTwoDecimals).text("/");
    c2.value(r.Ms, kTwoDecimals).text("=").value(r.C2, kThreeDecimals);

    const float outerDiameterCm = singleQuotient(r.dOut, units::kMmPerCm);
    out.introduction().text("  纵向受拉钢筋的有效配筋率");
    ReportLine distance = out.line().text("      a_{s}=c+").value(outerDiameterCm).text("/2=").value(r.c);
    distance.text("+").value(singleQuotient(outerDiameterCm, 2)).text("=").value(r.aS, kFourDecimals);
    distance.text("m");
    const std::string areaDepths = factorText(factors.tensionAreaDepths);
    ReportLine ratio = out.line().text("      ρ_{te}=A_{s}/(").text(areaDepths).text("a_{s}·b)=");
    ratio.value(r.As, kSixDecimals).text("/(").text(areaDepths).text("×");
    ratio.value(r.aS, kFourDecimals).text("×").value(r.b, kTwoDecimals).text(")=");
    if (r.rhoTe0 > factors.crackRatioMax) {
        ratio.value(r.rhoTe0, kFourDecimals).text("，大于").value(factors.crackRatioMax).text("，取ρ_{te}=");
        ratio.value(factors.crackRatioMax);
    } else if (r.rhoTe0 < factors.crackRatioMin) {
        ratio.value(r.rhoTe0, kFourDecimals).text("，小于").value(factors.crackRatioMin).text("，取ρ_{te}=");
        ratio.value(factors.crackRatioMin);
    } else {
        ratio.value(r.rhoTe, kFourDecimals);
    }
}

// JTG 3362-2018 6.4.3: Wcr = C1·C2·C3·σss/Es·(c+d)/(0.36+1.7·ρte), the cover c taken as at most 50 mm.
void composeCrackFormula2018(ReportComposer& out, const CalculationResults& r) {
    const SectionFactors& factors = codeOf(r).section;
    const std::string ratioConstant = factorText(factors.crackRatioConstant);
    const std::string ratioFactor = factorText(factors.crackRatioFactor);
    const std::string coverCap = factorText(factors.crackCoverCapMm);
    out.introduction().text("  裂缝宽度");
    ReportLine formula = out.line().text("      W_{cr}=C_{1}·C_{2}·C_{3}·σ_{ss}/E_{s}·(c+d)/(");
    formula.text(ratioConstant).text("+").text(ratioFactor).text("·ρ_{te})");
    ReportLine legend =
        out.continuation().text("      其中c为最外排纵向受拉钢筋的混凝土保护层厚度(mm)，大于");
    legend.text(coverCap).text("mm时取").text(coverCap).text("mm；d为纵向受拉钢筋直径(mm)");
    ReportLine numbers =
        out.continuation().text("          =").value(r.C1).text("×").value(r.C2, kThreeDecimals);
    numbers.text("×").value(r.C3).text("×").value(r.sigmaSs, kTwoDecimals).text("/");
    numbers.value(singleQuotient(r.Es, kModulusMantissaScale), kTwoDecimals).text("×10^{5}×(").value(r.cw);
    numbers.text("+").value(r.dBar).text(")/(").text(ratioConstant).text("+").text(ratioFactor).text("×");
    numbers.value(r.rhoTe, kFourDecimals).text(")");
}

}  // namespace

// The crack width against the limit of the environment class (6.4); the current codes name what the class
// means, because the classes changed their meaning between the editions.
void composeCrackWidth(ReportComposer& out, const CalculationResults& r) {
    const DesignCode& code = codeOf(r);
    const bool currentMethod = reportsCurrentCodeMethod(r);
    const bool passes = checkPasses(r, Check::CrackWidth);
    out.heading("6.裂缝宽度计算");
    out.introduction()
        .text(membersClauseCited(code, code.clauses.crackWidth))
        .text("关于裂缝宽度验算的规定:");
    ReportLine limit = out.line().text("  环境类别为").value(r.envClass);
    if (currentMethod) {
        limit.text("（").value(r.envName).text("）");
    }
    limit.text("，对于钢筋混凝土构件，最大裂缝宽度不应超过").value(r.Wlim, kTwoDecimals).text("mm");
    composeSteelStress(out, r);
    if (currentMethod) {
        composeLongTermAndEffectiveRatio(out, r);
        composeCrackFormula2018(out, r);
    } else {
        composeCrackFormula2004(out, r);
    }
    ReportLine width =
        out.continuation().text("          =").value(r.Wfk, kTwoDecimals).text(passes ? "mm≤" : "mm>");
    width.value(r.Wlim, kTwoDecimals).text("mm");
    out.verdict(passes, "  裂缝宽度满足规范要求", "  裂缝宽度不满足规范要求");
}

}  // namespace tavrel
