// The notes that go with a slab's bar schedule, filled from the schedule.
#include "design/bar_schedule_notes.h"

#include "base/numbers.h"
#include "calc/design_code.h"

namespace tavrel {

namespace {

std::string squareMillimetres(UnitForm units) {
    return units == UnitForm::Ascii ? "mm2" : "mm²";
}

std::string symbolNote(const BarSchedule& s) {
    const std::string plain = "φ为" + std::string{s.plainGrade()} + "钢筋。";
    if (s.mainBars.plain) {
        return "钢筋符号：" + plain;
    }
    return "钢筋符号：" + std::string{kRibbedSymbol} + "为" + s.mainBars.grade + "钢筋，" + plain;
}

std::string codesNote(Edition edition) {
    const CodePair codes = codePair(edition);
    return "设计规范：" + std::string{codes.loadsCode} + "、" + std::string{codes.membersCode} + "。";
}

std::string hookNote() {
    return "光圆钢筋两端设180°弯钩（弯曲直径2.5d，平直段3d），每个弯钩长" +
           shortText(kHookAllowancePerMm, 2) + "d，已计入钢筋长度。";
}

std::string distributionNote(const BarSchedule& s, UnitForm units) {
    const DistributionBars& n2 = *s.distribution;
    const std::string code{codePair(s.slab.edition).membersCode};
    const std::string area = squareMillimetres(units) + "/m";
    return "分布钢筋N2置于主筋内侧，按" + code + "第" +
           std::string{designCode(s.slab.edition).detailing.distributionClause} +
           "条，每米板长截面面积不小于最大板厚" + shortText(s.slab.maxThickness, 3) + "cm截面的0.1%：需" +
           shortText(n2.requiredMm2PerM, 2) + area + "，实配" + std::string{kPlainSymbol} +
           std::to_string(n2.diameterMm) + "@" + std::to_string(n2.spacingCm) + "为" +
           shortText(n2.providedTenthsMm2PerM, 1) + area + "。";
}

std::vector<std::string> ringNotes(const BarSchedule& s) {
    const LiftingRings& n3 = *s.rings;
    const DetailingRules& rules = designCode(s.slab.edition).detailing;
    const std::string code{codePair(s.slab.edition).membersCode};
    const std::string clause = rules.ringClause.empty() ? "" : "第" + std::string{rules.ringClause} + "条";
    return {
        "吊环N3采用" + std::string{s.plainGrade()} + "钢筋，吊环严禁使用冷加工钢筋。",
        "吊环按" + code + clause + "计算：每个吊环按两肢、四个吊环按三个计，盖板自重标准值G=" +
            exactFixedText(s.slab.selfWeightKN, 2) + "kN，应力不大于" + std::to_string(n3.stressLimitMPa) +
            "MPa。",
        "吊环埋入深度" + std::to_string(kRingEmbedmentD) + "d，末端设180°弯钩并与钢筋骨架绑扎；弯弧内径取" +
            std::to_string(kRingInnerDiameterD) + "d与" + std::to_string(kRingMinInnerDiameterMm / 10) +
            "cm之大者，弯弧中心线顶点高出板顶" + std::to_string(kRingLoopHeightMm / 10) +
            "cm（本程序构造规定）。",
        "吊环距板端" + std::to_string(n3.fromEndCm) + "cm、距板侧" + std::to_string(n3.fromEdgeCm) +
            "cm（a≈0.207Ls，使吊点处负弯矩与跨中正弯矩相等）。",
    };
}

}  // namespace

std::vector<std::string> scheduleNotes(const BarSchedule& s, UnitForm units) {
    std::vector<std::string> notes = {
        "本图尺寸除钢筋直径以毫米计外，余均以厘米计。",
        symbolNote(s),
        "盖板混凝土强度等级" + s.slab.concreteGrade + "；主筋保护层厚度" + shortText(s.slab.cover, 3) +
            "cm（至主筋外缘）。",
        codesNote(s.slab.edition),
        hookNote(),
    };
    if (s.distribution) {
        notes.push_back(distributionNote(s, units));
    }
    if (s.rings) {
        for (std::string& note : ringNotes(s)) {
            notes.push_back(std::move(note));
        }
    } else {
        notes.insert(notes.end(), s.warnings.begin(), s.warnings.end());
    }
    notes.push_back("钢筋数量为一块盖板用量；单位重按钢筋截面积×0.785（7850kg/" +
                    std::string{units == UnitForm::Ascii ? "m3" : "m³"} + "）计。");
    return notes;
}

}  // namespace tavrel
