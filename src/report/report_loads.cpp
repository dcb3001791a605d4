// Report sections 1 to 3: design data with the figure, external forces, internal forces and the load
// combination of JTG D60-2004 4.1.6.
#include "calc/design_code.h"
#include "report/report_sections.h"

namespace tavrel {

namespace {

constexpr int kTwoDecimals = 2;  // pattern "0.00"
constexpr float kCentimetresPerMetre = 100;

constexpr const char* kMidspanMoment = "  跨中弯矩";
constexpr const char* kWallFaceShear = "  边墙内侧边缘处剪力";
constexpr const char* kVehicleLoadHeading = "2) 由车辆荷载引起的垂直压力（可变作用）";
constexpr const char* kVehicleLoadClause =
    "  根据《公路桥涵设计通用规范》(JTG D60-2004)中4.3.1关于车辆荷载的规定：";
constexpr const char* kCombinationClause =
    "  根据《公路桥涵设计通用规范》(JTG D60-2004)中4.1.6关于作用效应组合的规定：";

// JTG D60-2004 4.3.4: the wheel load spreads through the fill at 30°; the band of the fill height decides
// which wheels and axles act together (the bands of the design code). Texts of the spread along and across
// the span.
struct SpreadTexts {
    const char* alongSpan;
    const char* acrossSpan;
};

SpreadTexts spreadTexts(float fillHeight, const VehicleModel& vehicle) {
    if (fillHeight < vehicle.fillAxlesJoinM) {
        return {"=0.2+2·H·tan30=0.2+2×", "=0.6+2·H·tan30=0.6+2×"};
    }
    if (fillHeight < vehicle.fillVehicleJoinsM) {
        return {"=1.6+2·H·tan30=1.6+2×", "=2.4+2·H·tan30=2.4+2×"};
    }
    return {"=13+2·H·tan30=13+2×", "=2.4+2·H·tan30=2.4+2×"};
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
        pavement.value(singleQuotient(r.H1, kCentimetresPerMetre), kTwoDecimals).text("+").value(r.gammaSurf);
        pavement.text("×").value(singleQuotient(r.H2, kCentimetresPerMetre), kTwoDecimals).text(")×");
        pavement.value(r.b, kTwoDecimals).text("=").value(r.q, kTwoDecimals).text("kN/m");
    }
    out.introduction().text(" (2) 盖板自重");
    composeSelfWeight(out, r, "      ");
}

// JTG D60-2004 4.3.4 and 4.3.1: the wheel spread through the fill at 30°, p = P/La/Lb.
void composeBuriedVehicleLoad(ReportComposer& out, const CalculationResults& r) {
    const SpreadTexts spread = spreadTexts(r.H, codeOf(r).vehicle);
    out.introduction().text(kVehicleLoadHeading);
    out.introduction().text("  根据《公路桥涵设计通用规范》(JTG D60-2004)中4.3.4的规定：");
    out.line().text(
        "  计算涵洞顶上车辆荷载引起的竖向土压力时，车轮按其着地面积的边缘向下做30°角分布。"
        "当几个车轮的压力扩散线相重叠时，扩散面积以最外面的扩散线为准");
    out.introduction().text(kVehicleLoadClause);
    out.introduction().text("      车辆荷载顺板跨长");
    ReportLine along = out.line().text("          L_{a}").text(spread.alongSpan).value(r.H);
    along.text("×0.577=").value(r.La, kTwoDecimals).text("m");
    out.introduction().text("      车辆荷载垂直板跨长");
    ReportLine across = out.line().text("          L_{b}").text(spread.acrossSpan).value(r.H);
    across.text("×0.577=").value(r.Lb, kTwoDecimals).text("m");
    out.introduction().text("      车轮重");
    out.line().text("          P=").value(r.P).text("kN");
    out.introduction().text("      车轮重压强L");
    ReportLine pressure = out.line().text("          p=P/L_{a}/L_{b}=").value(r.P).text("/");
    pressure.value(r.La, kTwoDecimals).text("/").value(r.Lb, kTwoDecimals).text("=").value(r.p, kTwoDecimals);
    pressure.text("kN/m^{2}");
}

// JTG D60-2004 4.3.1 and 4.3.2: the wheel on its contact area 0.2 m x 0.6 m with the impact factor 1.3.
void composeOpenVehicleLoad(ReportComposer& out, const CalculationResults& r) {
    out.introduction().text(kVehicleLoadHeading);
    out.introduction().text(kVehicleLoadClause);
    out.introduction().text("      车辆荷载顺板跨长");
    out.line().text("          L_{a}=0.2m");
    out.introduction().text("      车辆荷载垂直板跨长");
    out.line().text("          L_{b}=0.6m");
    out.introduction().text("      车轮重");
    out.line().text("          P=").value(r.P).text("kN");
    out.introduction().text("  根据《公路桥涵设计通用规范》(JTG D60-2004)中4.3.2关于汽车荷载冲击力的规定：");
    out.line().text("  汽车荷载的局部加载，冲击系数采用1.3");
    out.introduction().text("      车轮重压强");
    ReportLine pressure = out.line().text("          p=1.3·P/L_{a}/L_{b}=1.3×").value(r.P).text("/");
    pressure.value(r.La, kTwoDecimals).text("/").value(r.Lb, kTwoDecimals).text("=").value(r.p, kTwoDecimals);
    pressure.text("kN/m^{2}");
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

// Combination of the buried and open types: 0.9·(1.2·permanent + 1.4·vehicle).
void composeVehicleCombination(ReportComposer& out, const CalculationResults& r) {
    out.introduction().text("3) 作用效应组合");
    out.introduction().text(kCombinationClause);
    out.introduction().text("      跨中弯矩");
    out.line().text("          γ_{0}M_{d}=0.9(1.2M_{1}+1.4M_{2})");
    ReportLine moment =
        out.continuation().text("             =0.9×(1.2×").value(r.M1, kTwoDecimals).text("+1.4×");
    moment.value(r.M2, kTwoDecimals).text(")=").value(r.gamma0Md, kTwoDecimals).text("kNm");
    out.introduction().text("      边墙内侧边缘处剪力");
    out.line().text("          γ_{0}V_{d}=0.9(1.2V_{1}+1.4V_{2})");
    ReportLine shear =
        out.continuation().text("             =0.9×(1.2×").value(r.V1, kTwoDecimals).text("+1.4×");
    shear.value(r.V2, kTwoDecimals).text(")=").value(r.gamma0Vd, kTwoDecimals).text("kN");
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

// Combination of the custom type: every action with the partial factor 1.2 of permanent actions.
void composeCustomCombination(ReportComposer& out, const CalculationResults& r) {
    out.introduction().text("4) 作用效应组合");
    out.introduction().text(kCombinationClause);
    out.introduction().text("      跨中弯矩");
    out.line().text("          γ_{0}M_{d}=0.9×1.2×(M_{1}+M_{2}+M_{3})");
    ReportLine moment =
        out.continuation().text("             =0.9×1.2×(").value(r.M1, kTwoDecimals).text("+");
    moment.value(r.M2, kTwoDecimals).text("+").value(r.M3, kTwoDecimals).text(")=");
    moment.value(r.gamma0Md, kTwoDecimals).text("kNm");
    out.introduction().text("      边墙内侧边缘处剪力");
    out.line().text("          γ_{0}V_{d}=0.9×1.2(V_{1}+V_{2}+V_{3})");
    ReportLine shear = out.continuation().text("             =0.9×1.2×(").value(r.V1, kTwoDecimals).text("+");
    shear.value(r.V2, kTwoDecimals).text("+").value(r.V3, kTwoDecimals).text(")=");
    shear.value(r.gamma0Vd, kTwoDecimals).text("kN");
}

}  // namespace

void composeDesignData(ReportComposer& out, const CalculationResults& r, const ReportPicture* figure) {
    const SlabType kind = slabTypeOf(r);
    out.heading("1.设计资料");
    out.line().text("  汽车荷载等级：").value(r.loadLevel).text("； 环境类别：").value(r.envClass).text("；");
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
    steel.text("； 抗拉强度标准值f_{sd}=").value(r.fsd).text("Mpa；");
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
        composeCustomCombination(out, r);
    } else {
        composePermanentForces(out, r);
        composeVehicleForces(out, r);
        composeVehicleCombination(out, r);
    }
}

}  // namespace tavrel
