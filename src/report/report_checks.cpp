// Report sections 4 to 6: section design, the ultimate limit state checks of JTG D62-2004 (5.2.1, 9.1.12,
// 5.2.2, 5.2.10 and 5.2.7 with stirrups) and the crack width of 6.4. Each check ends in a verdict line;
// a verdict that states a failure is red.
#include "calc/design_code.h"
#include "calc/section.h"
#include "calc/stirrup.h"
#include "report/report_sections.h"

namespace tavrel {

namespace {

constexpr int kTwoDecimals = 2;    // pattern "0.00"
constexpr int kThreeDecimals = 3;  // pattern "0.000"
constexpr int kFourDecimals = 4;   // pattern "0.0000"
constexpr int kSixDecimals = 6;    // pattern "0.000000"

constexpr float kMillimetresPerCentimetre = 10;
constexpr float kCentimetresPerMetre = 100;
constexpr float kModulusMantissaScale = 100000;  // Es is shown as a mantissa times 10^5

constexpr const char* kBridgeCode = "  根据《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG D62-2004)中";
constexpr const char* kReinforcementFails = "  主筋配筋率不满足规范要求，应增大主筋面积或增加主筋根数";
constexpr const char* kStirrupCheckMissing =
    "  未进行箍筋抗剪承载力验算：请在箍筋信息窗口输入箍筋数据并计算后重新生成计算书";
constexpr const char* kNoRealTrialZone = "无实数解：截面仅配受拉钢筋不能承受该设计弯矩，应增大截面尺寸";

void composeVerdict(ReportComposer& out, bool passes, const char* success, const char* failure) {
    if (passes) {
        out.continuation().text(success);
    } else {
        out.continuation().red(failure);
    }
}

// h0 = d1 - c - dOut/2 with the outer diameter shown in cm.
void composeEffectiveDepth(ReportComposer& out, const CalculationResults& r) {
    const float outerDiameterCm = singleQuotient(r.dOut, kMillimetresPerCentimetre);
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
    trial.text("-(").value(r.h0, kThreeDecimals).text("^{2}-2×1.25×").value(r.gamma0Md, kTwoDecimals);
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

// x = fsd·As/fcd/b against ξb·h0 (JTG D62-2004 5.2.1).
void composeCompressionZone(ReportComposer& out, const CalculationResults& r) {
    const bool passes = checkPasses(r, Check::CompressionZone);
    out.introduction().text("1) 砼受压区高度 ");
    ReportLine height = out.line().text("      x=f_{sd}·A_{s}/f_{cd}/b=").value(r.fsd).text("×");
    height.value(r.As, kSixDecimals).text("/").value(r.fcd).text("/").value(r.b, kTwoDecimals).text("=");
    height.value(r.x, kThreeDecimals).text("m");
    out.introduction().text(kBridgeCode).text("5.2.1关于相对界限受压区高度ξ_{b}的规定:");
    ReportLine grade = out.line().text("  ").value(r.barGrade).text("钢筋的相对界限受压区高度ξ_{b}=");
    grade.value(r.xiB, kTwoDecimals).text("。");
    ReportLine limit = out.line().text(passes ? "      x≤ξ_{b}·h_{0}=" : "      x≥ξ_{b}·h_{0}=");
    limit.value(r.xiB, kTwoDecimals).text("×").value(r.h0, kThreeDecimals).text("=");
    limit.value(singleProduct(r.xiB, r.h0), kThreeDecimals).text("m");
    composeVerdict(out, passes, "  砼受压区高度满足规范要求",
                   "  砼受压区高度不满足规范要求，应减小主筋面积或减少主筋根数");
}

// P = 100·As/b/h0 against 45·ftd/fsd and 0.2 (JTG D62-2004 9.1.12). The fourth combination, P not below
// 45·ftd/fsd but below 0.2, can occur only where 45·ftd/fsd is itself below 0.2.
void composeMinimumReinforcement(ReportComposer& out, const CalculationResults& r) {
    const float percentage = reinforcementPercentage(r);
    const float minimum = minimumReinforcementPercentage(r);
    const bool aboveRelative = percentage >= minimum;
    const bool aboveAbsolute = percentage >= codeOf(r).section.absoluteMinimumPct;

    out.introduction().text("2) 最小配筋率");
    out.introduction().text(kBridgeCode).text("9.1.12关于受弯构件最小配筋百分率的规定:");
    ReportLine ratio = out.line().text("      P=100·A_{s}/b/h_{0}=").value(percentage, kTwoDecimals);
    if (aboveRelative && aboveAbsolute) {
        ratio.text("，不小于45f_{td}/f_{sd}=").value(minimum, kTwoDecimals).text(",同时不小于0.2");
    } else if (aboveAbsolute) {
        ratio.text("，不小于0.2，可是小于45f_{td}/f_{sd}=").value(minimum, kTwoDecimals);
    } else if (aboveRelative) {
        ratio.text("，不小于45f_{td}/f_{sd}=").value(minimum, kTwoDecimals).text("，可是小于0.2");
    } else {
        ratio.text("，小于45f_{td}/f_{sd}=").value(minimum, kTwoDecimals).text(",同时小于0.2");
    }
    composeVerdict(out, aboveRelative && aboveAbsolute, "  主筋配筋率满足规范要求", kReinforcementFails);
}

// Mu = fcd·b·x·(h0 - x/2) against γ0·Md (JTG D62-2004 5.2.2).
void composeFlexuralCapacity(ReportComposer& out, const CalculationResults& r) {
    const bool passes = checkPasses(r, Check::FlexuralCapacity);
    out.introduction().text("3) 正截面抗弯承载力验算 ");
    out.introduction().text(kBridgeCode).text("5.2.2关于受弯构件正截面抗弯承载力计算的规定:");
    ReportLine formula = out.line().text("      f_{cd}·b·x(h_{0}-x/2)=").value(r.fcd).text("×1000×");
    formula.value(r.b, kTwoDecimals).text("×").value(r.x, kThreeDecimals).text("(");
    formula.value(r.h0, kThreeDecimals).text("-").value(r.x, kThreeDecimals).text("/2)");
    ReportLine capacity = out.continuation().text("                         =").value(r.Mu, kTwoDecimals);
    capacity.text(passes ? "kNm≥γ_{0}M_{d}=" : "kNm<γ_{0}M_{d}=").value(r.gamma0Md, kTwoDecimals).text("kNm");
    composeVerdict(out, passes, "  正截面抗弯承载力满足规范要求", "  正截面抗弯承载力不满足规范要求");
}

// Vcs = α1·α2·α3·0.45e-3·b·h0·((2+0.6P)·fcu,k^(1/2)·ρsv·fsv)^(1/2) against γ0·Vd (JTG D62-2004 5.2.7), with
// P capped at 2.5. Equality passes.
void composeStirrupCheck(ReportComposer& out, const CalculationResults& r) {
    const bool passes = r.Vcs >= r.gamma0Vd;
    out.introduction().text(kBridgeCode).text("5.2.7关于受弯构件斜截面抗剪承载力计算的规定:");
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
    ratio.value(singleQuotient(r.sv, kCentimetresPerMetre), kTwoDecimals).text("/").value(r.b, kTwoDecimals);
    ratio.text("=").value(r.rhoSv, kSixDecimals);
    out.introduction().text("  混凝土和箍筋共同承担的斜截面抗剪承载力");
    out.line().text(
        "      "
        "V_{cs}=α_{1}·α_{2}·α_{3}·0.45×10^{-3}·b·h_{0}((2+0.6·P)·(f_{cu,k})^{1/2}·ρ_{sv}·f_{sv})^{1/2}");
    ReportLine formula =
        out.continuation().text("        =1×1×1.1×0.00045×").value(r.b, kTwoDecimals).text("×1000×");
    formula.value(r.h0, kThreeDecimals).text("×1000×((2+0.6×");
    if (r.rhoPct > codeOf(r).stirrups.percentageCap) {
        formula.text("2.5");
    } else {
        formula.value(r.rhoPct, kTwoDecimals);
    }
    formula.text(")×").value(r.fcuk).text("^{1/2}×").value(r.rhoSv, kSixDecimals).text("×").value(r.fsv);
    formula.text(")^{1/2}");
    ReportLine capacity = out.continuation().text("        =").value(r.Vcs, kTwoDecimals);
    capacity.text(passes ? "kN≥γ_{0}V_{d}=" : "kN<γ_{0}V_{d}=").value(r.gamma0Vd, kTwoDecimals).text("kN");
    composeVerdict(out, passes, "  斜截面抗剪承载力满足规范要求", "  斜截面抗剪承载力不满足规范要求");
}

// 1.25·0.5e-3·α2·ftd·b·h0 against γ0·Vd (JTG D62-2004 5.2.10, the factor 1.25 for slabs). Where the
// bound is exceeded the verdict leads on to the stirrup check and stays in the normal colour; without
// stirrup values of this calculation a red line asks for the stirrup check.
void composeShear(ReportComposer& out, const CalculationResults& r, StirrupCheck stirrupCheck) {
    const bool passes = checkPasses(r, Check::Shear);
    out.introduction().text("4) 斜截面抗剪承载力验算 ");
    out.introduction().text(kBridgeCode).text("5.2.10关于受弯构件斜截面抗剪承载力验算的规定:");
    out.introduction().text("  对于板式受弯构件，公式可乘以1.25提高系数");
    ReportLine bound =
        out.line().text("      1.25×0.5×10^{-3}·α_{2}·f_{td}·b·h_{0}=1.25×0.0005×1×").value(r.ftd);
    bound.text("×").value(r.b, kTwoDecimals).text("×1000×").value(r.h0, kThreeDecimals).text("×1000");
    ReportLine value = out.continuation().text("                          =").value(r.Vc, kTwoDecimals);
    value.text(passes ? "kN≥γ_{0}V_{d}=" : "kN<γ_{0}V_{d}=").value(r.gamma0Vd, kTwoDecimals).text("kN");
    if (passes) {
        out.continuation().text(
            "  可不进行斜截面抗剪承载力的验算，只需按照《公路钢筋混凝土及预应力混凝土桥涵设计规范》"
            "(JTG D62-2004)中9.3.13构造要求配置箍筋");
    } else {
        out.continuation().text("  斜截面抗剪承载力不满足规范5.2.10要求，需通过配置箍筋提高抗剪承载力");
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

void composeUltimateLimitState(ReportComposer& out, const CalculationResults& r, StirrupCheck stirrupCheck) {
    out.emptyLine();
    out.heading("5.持久状况承载能力极限状态计算");
    composeCompressionZone(out, r);
    composeMinimumReinforcement(out, r);
    composeFlexuralCapacity(out, r);
    composeShear(out, r, stirrupCheck);
}

// Wfk = C1·C2·C3·σss·(30+d)/Es/(0.28+10·ρ) against the limit of the environment class (JTG D62-2004 6.4).
// The steel stress is taken under the design moment γ0·Md.
void composeCrackWidth(ReportComposer& out, const CalculationResults& r) {
    const bool passes = checkPasses(r, Check::CrackWidth);
    out.heading("6.裂缝宽度计算");
    out.introduction().text(kBridgeCode).text("6.4关于裂缝宽度验算的规定:");
    ReportLine limit = out.line().text("  环境类别为").value(r.envClass);
    limit.text("，对于钢筋混凝土构件，最大裂缝宽度不应超过").value(r.Wlim, kTwoDecimals).text("mm");
    out.introduction().text("  受拉钢筋的应力");
    ReportLine stress =
        out.line().text("      σ_{ss}=M_{s}/0.87/A_{s}/h_{0}=").value(r.gamma0Md, kTwoDecimals);
    stress.text("/0.87/").value(r.As, kSixDecimals).text("/").value(r.h0, kThreeDecimals).text("=");
    stress.value(r.sigmaSs, kTwoDecimals).text("Mpa");
    out.introduction().text("  裂缝宽度");
    out.line().text("      W_{fk}=C_{1}·C_{2}·C_{3}·σ_{ss}·(30+d)/E_{s}/(0.28+10·ρ)");
    ReportLine factors =
        out.continuation().text("          =").value(r.C1).text("×").value(r.C2).text("×").value(r.C3);
    factors.text("×").value(r.sigmaSs, kTwoDecimals).text("×(30+").value(r.dBar).text(")/");
    factors.value(singleQuotient(r.Es, kModulusMantissaScale), kTwoDecimals).text("×10^{5}/(0.28+10×");
    factors.value(r.rho, kFourDecimals).text(")");
    ReportLine width =
        out.continuation().text("          =").value(r.Wfk, kTwoDecimals).text(passes ? "mm≤" : "mm>");
    width.value(r.Wlim, kTwoDecimals).text("mm");
    composeVerdict(out, passes, "  裂缝宽度满足规范要求", "  裂缝宽度不满足规范要求");
}

}  // namespace tavrel
