// Report sections 4 and 5: section design and the ultimate limit state checks of the members code
// (JTG D62-2004 5.2.1, 9.1.12, 5.2.2, 5.2.10 and 5.2.7 with stirrups; JTG 3362-2018 adds the upper limit of
// 5.2.11 and numbers the shear clauses 5.2.12 and 5.2.9). Each check ends in a verdict line; a verdict that
// states a failure is red.
#include <string>

#include "base/units.h"
#include "calc/design_code.h"
#include "calc/section.h"
#include "calc/stirrup.h"
#include "report/report_code_text.h"
#include "report/report_sections.h"

namespace tavrel {

namespace {

constexpr int kTwoDecimals = 2;    // pattern "0.00"
constexpr int kThreeDecimals = 3;  // pattern "0.000"
constexpr int kSixDecimals = 6;    // pattern "0.000000"

constexpr const char* kReinforcementFails = "  主筋配筋率不满足规范要求，应增大主筋面积或增加主筋根数";
constexpr const char* kStirrupCheckMissing =
    "  未进行箍筋抗剪承载力验算：请在箍筋信息窗口输入箍筋数据并计算后重新生成计算书";
constexpr const char* kNoRealTrialZone = "无实数解：截面仅配受拉钢筋不能承受该设计弯矩，应增大截面尺寸";

// h0 = d1 - c - dOut/2 with the outer diameter shown in cm.
void composeEffectiveDepth(ReportComposer& out, const CalculationResults& r) {
    const float outerDiameterCm = singleQuotient(r.dOut, units::kMmPerCm);
    out.introduction().text("1) 截面有效高度 ");
    ReportLine depth = out.line().text("      h_{0}=d_{1}-c-").value(outerDiameterCm).text("/2=").value(r.d1);
    depth.text("-").value(r.c).text("-").value(singleQuotient(outerDiameterCm, 2)).text("=");
    depth.value(r.h0, kThreeDecimals).text("m");
}

// x0 = h0 - (h0² - 2·γc·γ0·Md/fcd/b/10³)^(1/2) and As0 = fcd·x0·b/fsd. Without a real x0 the section
// cannot carry the design moment with tension bars alone, and the report says so instead of a number.
void composeTrialZone(ReportComposer& out, const CalculationResults& r) {
    const bool real = trialZoneHasRealValue(r);
    out.introduction().text("2) 试算受压区高度");
    out.line().text("      x_{0}=h_{0}-(h_{0}^{2}-2γ_{c}·γ_{0}·M_{d}/f_{cd}/b/10^{3})^{1/2}");
    ReportLine trial = out.continuation().text("       =").value(r.h0, kThreeDecimals);
    trial.text("-(").value(r.h0, kThreeDecimals).text("^{2}-2×");
    trial.text(factorText(codeOf(r).section.trialMomentFactor)).text("×").value(r.gamma0Md, kTwoDecimals);
    trial.text("/").value(r.fcd).text("/");
    trial.value(r.b, kTwoDecimals).text("/1000)^{1/2}=");
    if (real) {
        trial.value(r.x0, kThreeDecimals).text("m");
    } else {
        trial.red(kNoRealTrialZone);
    }

    out.introduction().text("3) 计算钢筋面积 ");
    ReportLine area = out.line().text("      A_{s}^{0}=f_{cd}·x_{0}·b/f_{sd}");
    if (real) {
        area.text("=").value(r.fcd).text("×").value(r.x0, kThreeDecimals).text("×").value(r.b, kTwoDecimals);
        area.text("/").value(r.fsd).text("=").value(r.As0, kSixDecimals).text("m^{2}");
    } else {
        area.text("：因x_{0}无实数解，不能计算");
    }
}

// x = fsd·As/fcd/b against ξb·h0 (5.2.1).
void composeCompressionZone(ReportComposer& out, const CalculationResults& r) {
    const DesignCode& code = codeOf(r);
    const bool passes = checkPasses(r, Check::CompressionZone);
    out.introduction().text("1) 砼受压区高度 ");
    ReportLine height = out.line().text("      x=f_{sd}·A_{s}/f_{cd}/b=").value(r.fsd).text("×");
    height.value(r.As, kSixDecimals).text("/").value(r.fcd).text("/").value(r.b, kTwoDecimals).text("=");
    height.value(r.x, kThreeDecimals).text("m");
    out.introduction()
        .text(membersClauseCited(code, code.clauses.balancedZone))
        .text("关于相对界限受压区高度ξ_{b}的规定:");
    ReportLine grade = out.line().text("  ").value(r.barGrade).text("钢筋的相对界限受压区高度ξ_{b}=");
    grade.value(r.xiB, kTwoDecimals).text("。");
    ReportLine limit = out.line().text(passes ? "      x≤ξ_{b}·h_{0}=" : "      x≥ξ_{b}·h_{0}=");
    limit.value(r.xiB, kTwoDecimals).text("×").value(r.h0, kThreeDecimals).text("=");
    limit.value(singleProduct(r.xiB, r.h0), kThreeDecimals).text("m");
    out.verdict(passes, "  砼受压区高度满足规范要求",
                "  砼受压区高度不满足规范要求，应减小主筋面积或减少主筋根数");
}

// P = 100·As/b/h0 against 45·ftd/fsd and 0.2 (9.1.12). The fourth combination, P not below 45·ftd/fsd but
// below 0.2, can occur only where 45·ftd/fsd is itself below 0.2.
void composeMinimumReinforcement(ReportComposer& out, const CalculationResults& r) {
    const DesignCode& code = codeOf(r);
    const float percentage = reinforcementPercentage(r);
    const float minimum = minimumReinforcementPercentage(r);
    const bool aboveRelative = percentage >= minimum;
    const bool aboveAbsolute = percentage >= code.section.absoluteMinimumPct;
    const std::string relative = factorText(code.section.minimumReinforcementFactor) + "f_{td}/f_{sd}=";
    const std::string absolute = factorText(code.section.absoluteMinimumPct);

    out.introduction().text("2) 最小配筋率");
    out.introduction()
        .text(membersClauseCited(code, code.clauses.minimumReinforcement))
        .text("关于受弯构件最小配筋百分率的规定:");
    ReportLine ratio = out.line().text("      P=100·A_{s}/b/h_{0}=").value(percentage, kTwoDecimals);
    if (aboveRelative && aboveAbsolute) {
        ratio.text("，不小于").text(relative).value(minimum, kTwoDecimals).text(",同时不小于").text(absolute);
    } else if (aboveAbsolute) {
        ratio.text("，不小于").text(absolute).text("，可是小于").text(relative).value(minimum, kTwoDecimals);
    } else if (aboveRelative) {
        ratio.text("，不小于").text(relative).value(minimum, kTwoDecimals).text("，可是小于").text(absolute);
    } else {
        ratio.text("，小于").text(relative).value(minimum, kTwoDecimals).text(",同时小于").text(absolute);
    }
    out.verdict(aboveRelative && aboveAbsolute, "  主筋配筋率满足规范要求", kReinforcementFails);
}

// Mu = fcd·b·x·(h0 - x/2) against γ0·Md (5.2.2).
void composeFlexuralCapacity(ReportComposer& out, const CalculationResults& r) {
    const DesignCode& code = codeOf(r);
    const bool passes = checkPasses(r, Check::FlexuralCapacity);
    out.introduction().text("3) 正截面抗弯承载力验算 ");
    out.introduction()
        .text(membersClauseCited(code, code.clauses.flexure))
        .text("关于受弯构件正截面抗弯承载力计算的规定:");
    ReportLine formula = out.line().text("      f_{cd}·b·x(h_{0}-x/2)=").value(r.fcd).text("×1000×");
    formula.value(r.b, kTwoDecimals).text("×").value(r.x, kThreeDecimals).text("(");
    formula.value(r.h0, kThreeDecimals).text("-").value(r.x, kThreeDecimals).text("/2)");
    ReportLine capacity = out.continuation().text("                         =").value(r.Mu, kTwoDecimals);
    capacity.text(passes ? "kNm≥γ_{0}M_{d}=" : "kNm<γ_{0}M_{d}=").value(r.gamma0Md, kTwoDecimals).text("kNm");
    out.verdict(passes, "  正截面抗弯承载力满足规范要求", "  正截面抗弯承载力不满足规范要求");
}

// Vcs = α1·α2·α3·0.45e-3·b·h0·((2+0.6P)·fcu,k^(1/2)·ρsv·fsv)^(1/2) against γ0·Vd, with P capped at 2.5
// (α3 = 1.1 under JTG D62-2004 5.2.7, 1.0 for a rectangle under JTG 3362-2018 5.2.9). Equality passes.
void composeStirrupCapacity(ReportComposer& out, const CalculationResults& r) {
    const StirrupFactors& factors = codeOf(r).stirrups;
    const std::string percentageBase = factorText(factors.percentageBase);
    const std::string percentageFactor = factorText(factors.percentageFactor);
    const bool passes = stirrupsCarryTheShear(r);
    out.introduction().text("  混凝土和箍筋共同承担的斜截面抗剪承载力");
    ReportLine symbols = out.line().text("      V_{cs}=α_{1}·α_{2}·α_{3}·");
    symbols.text(thousandthsText(factors.capacityCoefficient)).text("·b·h_{0}((").text(percentageBase);
    symbols.text("+").text(percentageFactor).text("·P)·(f_{cu,k})^{1/2}·ρ_{sv}·f_{sv})^{1/2}");
    ReportLine formula = out.continuation().text("        =").text(factorText(factors.alpha1)).text("×");
    formula.text(factorText(factors.alpha2)).text("×").text(factorText(factors.alpha3)).text("×");
    formula.text(factorText(factors.capacityCoefficient)).text("×").value(r.b, kTwoDecimals).text("×1000×");
    formula.value(r.h0, kThreeDecimals).text("×1000×((").text(percentageBase).text("+");
    formula.text(percentageFactor).text("×");
    if (r.rhoPct > factors.percentageCap) {
        formula.value(factors.percentageCap);
    } else {
        formula.value(r.rhoPct, kTwoDecimals);
    }
    formula.text(")×").value(r.fcuk).text("^{1/2}×").value(r.rhoSv, kSixDecimals).text("×").value(r.fsv);
    formula.text(")^{1/2}");
    ReportLine capacity = out.continuation().text("        =").value(r.Vcs, kTwoDecimals);
    capacity.text(passes ? "kN≥γ_{0}V_{d}=" : "kN<γ_{0}V_{d}=").value(r.gamma0Vd, kTwoDecimals).text("kN");
    out.verdict(passes, "  斜截面抗剪承载力满足规范要求", "  斜截面抗剪承载力不满足规范要求");
}

// The stirrup check: the chosen stirrups, the percentage P of the main bars and the stirrup ratio, then the
// shear capacity of concrete and stirrups.
void composeStirrupCheck(ReportComposer& out, const CalculationResults& r) {
    const DesignCode& code = codeOf(r);
    out.introduction()
        .text(membersClauseCited(code, code.clauses.stirrups))
        .text("关于受弯构件斜截面抗剪承载力计算的规定:");
    ReportLine stirrup =
        out.line().text("  拟用箍筋为").value(r.stirrupGrade).text("级钢筋，直径为").value(r.dSv);
    stirrup.text("mm，箍筋间距为").value(r.sv).text("cm");
    out.introduction().text("  纵向受拉钢筋的配筋百分率");
    ReportLine percentage =
        out.line().text("      P=100·A_{s}/b/h_{0}=100×").value(r.As, kSixDecimals).text("/");
    percentage.value(r.b, kTwoDecimals).text("/").value(r.h0, kThreeDecimals).text("=");
    percentage.value(r.rhoPct, kTwoDecimals);
    out.introduction().text("  箍筋配筋率");
    out.line().text("      ρ_{sv}=A_{sv}/s_{v}/b");
    out.continuation().text("      其中 A_{sv}为同一截面内箍筋总面积 s_{v}为箍筋间距");
    ReportLine ratio = out.continuation().text("      ρ_{sv}=").value(r.Asv, kSixDecimals).text("/");
    ratio.value(singleQuotient(r.sv, units::kCmPerM), kTwoDecimals).text("/").value(r.b, kTwoDecimals);
    ratio.text("=").value(r.rhoSv, kSixDecimals);
    composeStirrupCapacity(out, r);
}

// JTG 3362-2018 5.2.11: the section carries at most 0.51e-3·fcu,k^(1/2)·b·h0. Returns whether it is large
// enough for γ0·Vd; a section too small is cured by no stirrups, so the shear check ends there.
bool composeShearUpperLimit(ReportComposer& out, const CalculationResults& r) {
    const DesignCode& code = codeOf(r);
    const double coefficient = code.section.shearUpperLimitCoefficient;
    const bool passes = shearSectionLargeEnough(r);
    out.introduction()
        .text(membersClauseCited(code, code.clauses.shearUpperLimit))
        .text("关于受弯构件抗剪截面的规定:");
    ReportLine limit = out.line().text("      ").text(thousandthsText(coefficient));
    limit.text("·(f_{cu,k})^{1/2}·b·h_{0}=").text(factorText(coefficient)).text("×").value(r.fcukGrade);
    limit.text("^{1/2}×").value(r.b, kTwoDecimals).text("×1000×").value(r.h0, kThreeDecimals).text("×1000");
    ReportLine value = out.continuation().text("                          =").value(r.Vmax, kTwoDecimals);
    value.text(passes ? "kN≥γ_{0}V_{d}=" : "kN<γ_{0}V_{d}=").value(r.gamma0Vd, kTwoDecimals).text("kN");
    out.verdict(passes, "  抗剪截面尺寸满足规范要求",
                "  抗剪截面尺寸不满足规范要求，应增大截面尺寸或提高混凝土强度等级");
    return passes;
}

// 1.25·0.5e-3·α2·ftd·b·h0 against γ0·Vd (JTG D62-2004 5.2.10, JTG 3362-2018 5.2.12, the factor 1.25 for
// slabs without stirrups).
void composeShearBound(ReportComposer& out, const CalculationResults& r, bool passes) {
    const DesignCode& code = codeOf(r);
    const SectionFactors& factors = code.section;
    const std::string slabFactor = factorText(factors.slabShearFactor);
    out.introduction()
        .text(membersClauseCited(code, code.clauses.shearBound))
        .text("关于受弯构件斜截面抗剪承载力验算的规定:");
    ReportLine raise = out.introduction().text("  对于").text(reportWording(r).slabShearMembers);
    raise.text("，公式可乘以").text(slabFactor).text("提高系数");
    ReportLine bound = out.line().text("      ").text(slabFactor).text("×");
    bound.text(thousandthsText(factors.shearBoundCoefficient)).text("·α_{2}·f_{td}·b·h_{0}=");
    bound.text(slabFactor).text("×").text(factorText(factors.shearBoundCoefficient)).text("×");
    bound.text(factorText(factors.shearBoundAlpha2)).text("×").value(r.ftd);
    bound.text("×").value(r.b, kTwoDecimals).text("×1000×").value(r.h0, kThreeDecimals).text("×1000");
    ReportLine value = out.continuation().text("                          =").value(r.Vc, kTwoDecimals);
    value.text(passes ? "kN≥γ_{0}V_{d}=" : "kN<γ_{0}V_{d}=").value(r.gamma0Vd, kTwoDecimals).text("kN");
}

// The shear check: under the current codes the upper limit of the section first, then the bound of the
// slab. Where the bound is exceeded the verdict leads on to the stirrup check and stays in the normal
// colour; without stirrup values of this calculation a red line asks for the stirrup check.
void composeShear(ReportComposer& out, const CalculationResults& r, StirrupCheck stirrupCheck) {
    const DesignCode& code = codeOf(r);
    out.introduction().text("4) 斜截面抗剪承载力验算 ");
    if (reportsCurrentCodeMethod(r) && !composeShearUpperLimit(out, r)) {
        out.emptyLine();
        return;
    }
    const bool passes = checkPasses(r, Check::Shear);
    composeShearBound(out, r, passes);
    if (passes) {
        ReportLine detailing = out.continuation().text("  可不进行斜截面抗剪承载力的验算，只需按照");
        detailing.text(code.membersCodeCited()).text("中").text(code.clauses.detailingStirrups);
        detailing.text("构造要求配置箍筋");
    } else {
        ReportLine stirrupsNeeded = out.continuation().text("  斜截面抗剪承载力不满足规范");
        stirrupsNeeded.text(code.clauses.shearBound).text("要求，需通过配置箍筋提高抗剪承载力");
        if (stirrupCheck == StirrupCheck::Current) {
            composeStirrupCheck(out, r);
        } else {
            out.continuation().red(kStirrupCheckMissing);
        }
    }
    out.emptyLine();
}

}  // namespace

void composeSectionDesign(ReportComposer& out, const CalculationResults& r) {
    out.emptyLine();
    out.heading("4.截面设计");
    ReportLine bar = out.line().text("  拟用主筋为").value(r.barGrade).text("级钢筋，直径为").value(r.dBar);
    bar.text("mm，外径为").value(r.dOut).text("mm，单根面积为").value(r.aBar, kThreeDecimals).text("cm^{2}");
    composeEffectiveDepth(out, r);
    composeTrialZone(out, r);
    ReportLine chosen = out.line().text("  选用主筋为").value(r.barGrade).text("级钢筋，直径为");
    chosen.value(r.dBar).text("mm，共").value(r.nBars).text("根，选用钢筋总面积A_{s}=");
    chosen.value(r.As, kSixDecimals).text("m^{2}");
}

bool stirrupsCarryTheShear(const CalculationResults& r) {
    return r.Vcs >= r.gamma0Vd;
}

void composeUltimateLimitState(ReportComposer& out, const CalculationResults& r, StirrupCheck stirrupCheck) {
    out.emptyLine();
    out.heading("5.持久状况承载能力极限状态计算");
    composeCompressionZone(out, r);
    composeMinimumReinforcement(out, r);
    composeFlexuralCapacity(out, r);
    composeShear(out, r, stirrupCheck);
}

}  // namespace tavrel
