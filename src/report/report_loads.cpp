// Report sections 1 to 3: design data with the figure, external forces and internal forces; the load
// combinations that end section 3 are composed beside them.
#include <string>

#include "base/numbers.h"
#include "base/units.h"
#include "calc/design_code.h"
#include "report/report_code_text.h"
#include "report/report_sections.h"

namespace tavrel {

namespace {

constexpr int kOneDecimal = 1;   // pattern "0.0"
constexpr int kTwoDecimals = 2;  // pattern "0.00"
constexpr int kTanDecimals = 3;  // tan 30° as the spread lines print it, 0.577

constexpr const char* kMidspanMoment = "  跨中弯矩";
constexpr const char* kWallFaceShear = "  边墙内侧边缘处剪力";
constexpr const char* kWheelPressure = "      车轮重压强";
constexpr const char* kVehicleLoadHeading = "2) 由车辆荷载引起的垂直压力（可变作用）";

std::string vehicleLoadClause(const DesignCode& code) {
    return loadsClauseCited(code, code.clauses.vehicleLoad) + "关于车辆荷载的规定：";
}

// The wheel load spreads through the fill at 30° (JTG D60 4.3.4); the band of the fill height decides
// which wheels and axles act together: one wheel, the two rear axles or the whole vehicle. Texts of the
// spread along and across the span, "=0.2+2·H·tan30=0.2+2×" with the contact length of the band.
struct SpreadTexts {
    std::string alongSpan;
    std::string acrossSpan;
};

std::string spreadText(double loadedLengthM) {
    const std::string length = factorText(loadedLengthM);
    return "=" + length + "+2·H·tan30=" + length + "+2×";
}

SpreadTexts spreadTexts(float fillHeight, const VehicleModel& vehicle) {
    if (fillHeight < vehicle.fillAxlesJoinM) {
        return {spreadText(vehicle.wheelContactLengthM), spreadText(vehicle.wheelContactWidthM)};
    }
    if (fillHeight < vehicle.fillVehicleJoinsM) {
        return {spreadText(vehicle.rearAxlesLengthM), spreadText(vehicle.axleWidthM)};
    }
    return {spreadText(vehicle.vehicleLengthM), spreadText(vehicle.axleWidthM)};
}

// "×0.577=": H times tan 30°, half the spread per metre of fill.
std::string tan30Factor(const VehicleModel& vehicle) {
    return "×" + formatFixed(vehicle.twiceTan30 / 2, kTanDecimals) + "=";
}

// The codes the design follows, its safety class and the structural importance factor γ0 of the class.
void composeCodesAndSafetyClass(ReportComposer& out, const CalculationResults& r) {
    const CodeTitles& titles = codeOf(r).titles;
    ReportLine codes =
        out.line().text("  设计规范：").text(titles.loadsCode).text("、").text(titles.membersCode);
    codes.text("； 结构设计安全等级：").value(r.safetyName).text("，结构重要性系数γ_{0}=");
    codes.value(r.gamma0, kOneDecimal).text("；");
}

// The slab's unit weight, then the fill's (buried) or the pavement's and surface course's (open).
void appendUnitWeights(ReportLine line, const CalculationResults& r, SlabType kind) {
    line.text("  盖板容重γ_{1}=").value(r.gammaSlab).text("kN/m^{3}");
    if (kind == SlabType::Buried) {
        line.text("； 土容重γ_{2}=").value(r.gammaSoil).text("kN/m^{3}");
    } else if (kind == SlabType::Open) {
        line.text("； 涵顶铺装容重γ_{2}=").value(r.gammaPave).text("kN/m^{3}");
        line.text("； 涵顶表处容重γ_{3}=").value(r.gammaSurf).text("kN/m^{3}");
    }
}

// g = γ1·(d1 + d2)·b/2/100, the self-weight from the mean slab thickness (cm) in kN/m.
void composeSelfWeight(ReportComposer& out, const CalculationResults& r, const char* indent) {
    ReportLine line = out.line().text(indent).text("g=γ_{1}·(d_{1}+d_{2})·b/2/100=").value(r.gammaSlab);
    line.text("×(").value(r.d1).text("+").value(r.d2).text(")×").value(r.b, kTwoDecimals).text("/2 /100=");
    line.value(r.g, kTwoDecimals).text("kN/m");
}

// q = γ2·H·b under fill, q = (γ2·H1 + γ3·H2)·b for the pavement (thicknesses shown in m).
void composePermanentLoads(ReportComposer& out, const CalculationResults& r, SlabType kind) {
    out.introduction().text("1) 永久作用");
    if (kind == SlabType::Buried) {
        out.introduction().text(" (1) 竖向土压力");
        ReportLine fill =
            out.line().text("      q=γ_{2}·H·b=").value(r.gammaSoil).text("×").value(r.H).text("×");
        fill.value(r.b, kTwoDecimals).text("=").value(r.q).text("kN/m");
    } else {
        out.introduction().text(" (1) 涵顶铺装及涵顶表处自重");
        ReportLine pavement =
            out.line().text("      q=(γ_{2}·H_{1}+γ_{3}·H_{2})·b=(").value(r.gammaPave).text("×");
        pavement.value(singleQuotient(r.H1, units::kCmPerM), kTwoDecimals).text("+").value(r.gammaSurf);
        pavement.text("×").value(singleQuotient(r.H2, units::kCmPerM), kTwoDecimals).text(")×");
        pavement.value(r.b, kTwoDecimals).text("=").value(r.q, kTwoDecimals).text("kN/m");
    }
    out.introduction().text(" (2) 盖板自重");
    composeSelfWeight(out, r, "      ");
}

// p = P/La/Lb, with the impact factor written before P where the pressure includes it. The caption of the
// 2004 report of the buried culvert ends in a stray letter, which that report keeps.
void composeWheelPressure(ReportComposer& out, const CalculationResults& r, std::string_view captionEnd,
                          const std::string& impactFactor) {
    out.introduction().text(kWheelPressure).text(captionEnd);
    ReportLine pressure = out.line().text("          p=");
    if (!impactFactor.empty()) {
        pressure.text(impactFactor).text("·");
    }
    pressure.text("P/L_{a}/L_{b}=");
    if (!impactFactor.empty()) {
        pressure.text(impactFactor).text("×");
    }
    pressure.value(r.P).text("/").value(r.La, kTwoDecimals).text("/").value(r.Lb, kTwoDecimals).text("=");
    pressure.value(r.p, kTwoDecimals).text("kN/m^{2}");
}

// JTG D60 4.3.4 and 4.3.1: the wheel spread through the fill at 30°, p = P/La/Lb. Under the current codes
// the report states why the pressure carries no impact (4.3.2: no impact under 0.5 m of fill or more).
void composeBuriedVehicleLoad(ReportComposer& out, const CalculationResults& r) {
    const DesignCode& code = codeOf(r);
    const SpreadTexts spread = spreadTexts(r.H, code.vehicle);
    out.introduction().text(kVehicleLoadHeading);
    out.introduction().text(loadsClauseCited(code, code.clauses.wheelSpread)).text("的规定：");
    out.line().text(
        "  计算涵洞顶上车辆荷载引起的竖向土压力时，车轮按其着地面积的边缘向下做30°角分布。"
        "当几个车轮的压力扩散线相重叠时，扩散面积以最外面的扩散线为准");
    out.introduction().text(vehicleLoadClause(code));
    out.introduction().text("      车辆荷载顺板跨长");
    ReportLine along = out.line().text("          L_{a}").text(spread.alongSpan).value(r.H);
    along.text(tan30Factor(code.vehicle)).value(r.La, kTwoDecimals).text("m");
    out.introduction().text("      车辆荷载垂直板跨长");
    ReportLine across = out.line().text("          L_{b}").text(spread.acrossSpan).value(r.H);
    across.text(tan30Factor(code.vehicle)).value(r.Lb, kTwoDecimals).text("m");
    out.introduction().text("      车轮重");
    out.line().text("          P=").value(r.P).text("kN");
    composeWheelPressure(out, r, reportWording(r).buriedWheelPressureEnd, "");
    if (reportsCurrentCodeMethod(r)) {
        ReportLine impact = out.line().text(loadsClauseCited(code, code.clauses.impact));
        impact.text("的规定，填料厚度（包括路面厚度）等于或大于");
        impact.text(factorText(code.loads.impactFreeFillM));
        impact.text("m的涵洞不计冲击力，1+μ=").value(r.impact, kOneDecimal);
    }
}

// JTG D60 4.3.1 and 4.3.2: the wheel on its contact area with the impact of a local load. The 2004 rules
// put the impact into the pressure; the current codes keep the pressure static and take 1+μ in the basic
// combination only.
void composeOpenVehicleLoad(ReportComposer& out, const CalculationResults& r) {
    const DesignCode& code = codeOf(r);
    out.introduction().text(kVehicleLoadHeading);
    out.introduction().text(vehicleLoadClause(code));
    out.introduction().text("      车辆荷载顺板跨长");
    out.line().text("          L_{a}=").text(factorText(code.vehicle.wheelContactLengthM)).text("m");
    out.introduction().text("      车辆荷载垂直板跨长");
    out.line().text("          L_{b}=").text(factorText(code.vehicle.wheelContactWidthM)).text("m");
    out.introduction().text("      车轮重");
    out.line().text("          P=").value(r.P).text("kN");
    out.introduction().text(loadsClauseCited(code, code.clauses.impact)).text("关于汽车荷载冲击力的规定：");
    const std::string impactFactor = localImpactFactorText(code);
    const bool staticPressure = reportsCurrentCodeMethod(r);
    if (staticPressure) {
        ReportLine impact = out.line().text("  汽车荷载的局部加载，冲击系数μ=");
        impact.text(factorText(code.loads.localImpact)).text("，1+μ=").text(impactFactor);
        impact.text("，只计入承载能力极限状态的作用基本组合");
    } else {
        out.line().text("  汽车荷载的局部加载，冲击系数采用").text(impactFactor);
    }
    composeWheelPressure(out, r, "", staticPressure ? "" : impactFactor);
}

void composeCustomLoads(ReportComposer& out, const CalculationResults& r) {
    out.introduction().text("1) 均布荷载");
    out.line().text("  q_{K}=").value(r.qK).text("KN/m");
    out.introduction().text("2) 集中力");
    out.line().text("  P_{K}=").value(r.PK).text("KN");
    out.introduction().text("3) 盖板自重");
    composeSelfWeight(out, r, "  ");
}

// Buried and open types, forces of the permanent actions q + g over the whole span.
void composePermanentForces(ReportComposer& out, const CalculationResults& r) {
    out.introduction().text("1) 由永久作用引起的内力");
    out.introduction().text(kMidspanMoment);
    ReportLine m1 = out.line().text("      M_{1}=(q+g)·L^{2}/8=(").value(r.q, kTwoDecimals).text("+");
    m1.value(r.g, kTwoDecimals).text(")×").value(r.L).text("^{2}/8=").value(r.M1, kTwoDecimals).text("kNm");
    out.introduction().text(kWallFaceShear);
    ReportLine v1 = out.line().text("      V_{1}=(q+g)·L_{0}/2=(").value(r.q, kTwoDecimals).text("+");
    v1.value(r.g, kTwoDecimals).text(")×").value(r.L0).text("/2=").value(r.V1, kTwoDecimals).text("kN");
}

// Forces of the vehicle load: La < L spreads the wheel over part of the span, otherwise over the whole span.
void composeVehicleForces(ReportComposer& out, const CalculationResults& r) {
    const bool partSpan = r.La < r.L;
    out.introduction().text("2) 由车辆荷载引起的内力");
    out.introduction().text(kMidspanMoment);
    ReportLine m2 = out.line();
    if (partSpan) {
        m2.text("      M_{2}=p·L_{a}·(L-L_{a}/2)/4=").value(r.p, kTwoDecimals).text("×");
        m2.value(r.La, kTwoDecimals).text("×(").value(r.L).text("-").value(r.La, kTwoDecimals).text("/2)/4=");
    } else {
        m2.text("      M_{2}=p·L^{2}/8=").value(r.p, kTwoDecimals).text("×").value(r.L).text("^{2}/8=");
    }
    m2.value(r.M2, kTwoDecimals).text("kNm");
    out.introduction().text(kWallFaceShear);
    ReportLine v2 = out.line();
    if (partSpan) {
        v2.text("      V_{2}=p·L_{a}·(L_{0}-L_{a}/2)/L_{0}=").value(r.p, kTwoDecimals).text("×");
        v2.value(r.La, kTwoDecimals).text("×(").value(r.L0).text("-").value(r.La, kTwoDecimals).text("/2)/");
        v2.value(r.L0).text("=");
    } else {
        v2.text("      V_{2}=p·L_{0}/2=").value(r.p, kTwoDecimals).text("×").value(r.L0).text("/2=");
    }
    v2.value(r.V2, kTwoDecimals).text("kN");
}

// Custom type, forces of the uniform load qK over the length qKc (over the whole span when qKc >= L).
void composeUniformLoadForces(ReportComposer& out, const CalculationResults& r) {
    const bool wholeSpan = r.qKc >= r.L;
    out.introduction().text("1) 由均布荷载引起的内力");
    out.introduction().text(kMidspanMoment);
    ReportLine m1 = out.line();
    if (wholeSpan) {
        m1.text("      M_{1}=q_{K}·L^{2}/8=").value(r.qK).text("×").value(r.L).text("^{2}/8=");
    } else {
        m1.text("      M_{1}=q_{K}·q_{K}c·(L-q_{K}c/2)/4=").value(r.qK).text("×").value(r.qKc).text("×(");
        m1.value(r.L).text("-").value(r.qKc).text("/2)/4=");
    }
    m1.value(r.M1, kTwoDecimals).text("kNm");
    out.introduction().text(kWallFaceShear);
    ReportLine v1 = out.line();
    if (wholeSpan) {
        v1.text("      V_{1}=q_{K}·L_{0}/2=").value(r.qK).text("×").value(r.L0).text("/2=");
    } else {
        v1.text("      V_{1}=q_{K}·q_{K}c·(L_{0}-q_{K}c/2)/L_{0}=").value(r.qK).text("×");
        v1.value(r.qKc).text("×(").value(r.L0).text("-").value(r.qKc).text("/2)/").value(r.L0).text("=");
    }
    v1.value(r.V1, kTwoDecimals).text("kN");
}

// Custom type, forces of the concentrated force PK at midspan and of the self-weight.
void composeForceAndSelfWeightForces(ReportComposer& out, const CalculationResults& r) {
    out.introduction().text("2) 由集中力引起的内力");
    out.introduction().text(kMidspanMoment);
    ReportLine m2 = out.line().text("      M_{2}=P_{K}·L/4=").value(r.PK).text("×").value(r.L).text("/4=");
    m2.value(r.M2, kTwoDecimals).text("kNm");
    out.introduction().text(kWallFaceShear);
    out.line().text("      V_{2}=P_{K}/2=").value(r.PK).text("/2=").value(r.V2, kTwoDecimals).text("kN");

    out.introduction().text("3) 由盖板自重引起的内力");
    out.introduction().text(kMidspanMoment);
    ReportLine m3 = out.line().text("      M_{3}=g·L^{2}/8=").value(r.g, kTwoDecimals).text("×").value(r.L);
    m3.text("^{2}/8=").value(r.M3, kTwoDecimals).text("kNm");
    out.introduction().text(kWallFaceShear);
    ReportLine v3 = out.line().text("      V_{3}=g·L_{0}/2=").value(r.g, kTwoDecimals).text("×").value(r.L0);
    v3.text("/2=").value(r.V3, kTwoDecimals).text("kN");
}

}  // namespace

void composeDesignData(ReportComposer& out, const CalculationResults& r, const ReportPicture* figure) {
    const SlabType kind = slabTypeOf(r);
    out.heading("1.设计资料");
    out.line().text("  汽车荷载等级：").value(r.loadLevel).text("； 环境类别：").value(r.envClass).text("；");
    if (reportsCurrentCodeMethod(r)) {
        composeCodesAndSafetyClass(out, r);
    }
    ReportLine spans = out.line().text("  净跨径：L_{0}=").value(r.L0).text("m； 单侧搁置长度：");
    spans.value(r.Lseat, kTwoDecimals).text("m； 计算跨径：L=").value(r.L).text("m；");
    if (kind == SlabType::Buried) {
        spans.text(" 填土高：H=").value(r.H).text("m；");
    }
    ReportLine slab = out.line().text("  盖板板端厚d_{1}=").value(r.d1).text("cm；盖板板中厚d_{2}=");
    slab.value(r.d2).text("cm；盖板宽b=").value(r.b, kTwoDecimals).text("m；");
    slab.text("保护层厚度c=").value(r.c).text("cm；");
    ReportLine concrete = out.line().text("  混凝土强度等级为").value(r.concreteGrade);
    concrete.text("； 轴心抗压强度f_{cd}=").value(r.fcd).text("Mpa；");
    concrete.text(" 轴心抗拉强度f_{td}=").value(r.ftd).text("Mpa；");
    ReportLine steel = out.line().text("  主拉钢筋等级为").value(r.barGrade);
    steel.text("； ").text(reportWording(r).barStrength).text("f_{sd}=").value(r.fsd).text("Mpa；");
    if (kind == SlabType::Open) {
        ReportLine pavement = out.line().text("  涵顶铺装厚H_{1}=").value(r.H1).text("cm；");
        pavement.text(" 涵顶表处厚H_{2}=").value(r.H2).text("cm；");
    }
    ReportLine unitWeights = out.line();
    if (kind == SlabType::Custom) {
        // The custom loads and the unit weight share one paragraph.
        unitWeights.text("  均布荷载q_{K}=").value(r.qK).text("KN/m； 均布荷载宽度q_{K}c=").value(r.qKc);
        unitWeights.text("m； 集中力P_{K}=").value(r.PK).text("KN");
    }
    appendUnitWeights(unitWeights, r, kind);
    out.figure(figure);
}

void composeExternalForces(ReportComposer& out, const CalculationResults& r) {
    out.heading("2.外力计算");
    switch (slabTypeOf(r)) {
        case SlabType::Buried:
            composePermanentLoads(out, r, SlabType::Buried);
            composeBuriedVehicleLoad(out, r);
            break;
        case SlabType::Open:
            composePermanentLoads(out, r, SlabType::Open);
            composeOpenVehicleLoad(out, r);
            break;
        case SlabType::Custom:
            composeCustomLoads(out, r);
            break;
    }
}

void composeInternalForces(ReportComposer& out, const CalculationResults& r) {
    out.emptyLine();
    out.heading("3.内力计算及荷载组合");
    if (slabTypeOf(r) == SlabType::Custom) {
        composeUniformLoadForces(out, r);
        composeForceAndSelfWeightForces(out, r);
        composeLoadCombinations(out, r, "4) ");
    } else {
        composePermanentForces(out, r);
        composeVehicleForces(out, r);
        composeLoadCombinations(out, r, "3) ");
    }
}

}  // namespace tavrel
