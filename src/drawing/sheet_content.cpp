// What the sheet of a slab shows, taken from its bar schedule.
#include "drawing/sheet_content.h"

#include "calc/design_code.h"

namespace tavrel::drawing {

namespace {

constexpr const char* kScheduleHeader[] = {"编号",    "直径(mm)",     "每根长(cm)", "根数",
                                           "共长(m)", "单位重(kg/m)", "共重(kg)"};
constexpr const char* kMaterialHeader[] = {"材料", "单位", "数量"};
constexpr int kTotalLabelColumns = 6;

template <std::size_t N>
Row headerRow(const char* const (&texts)[N]) {
    Row row;
    for (const char* text : texts) {
        row.push_back({text});
    }
    return row;
}

std::string sizeText(std::string_view symbol, int diameterMm) {
    return std::string(symbol) + std::to_string(diameterMm);
}

// Centimetres of a length in u, as the dimensions print them.
std::string cm(Length u) {
    return shortText(u, 3);
}

SlabFigure slabFigure(const SlabOutline& slab) {
    return {slab.clearSpan,    slab.bearingLength,    slab.width,
            slab.endThickness, slab.midspanThickness, slab.cover};
}

MainBarsFigure mainBarsFigure(const MainBarLayout& n1) {
    return {n1.count,
            n1.diameterMm,
            static_cast<double>(n1.outerDiameter) / kUPerMm,
            static_cast<Length>(n1.spacingMm) * kUPerMm,
            n1.edgeDistance,
            n1.plain};
}

DistributionFigure distributionFigure(const DistributionBars& n2) {
    return {n2.diameterMm, n2.count, static_cast<Length>(n2.spacingCm) * kUPerCm, n2.firstOffset};
}

RingFigure ringFigure(const LiftingRings& n3) {
    return {n3.diameterMm, static_cast<Length>(n3.fromEndCm) * kUPerCm,
            static_cast<Length>(n3.fromEdgeCm) * kUPerCm, n3.innerDiameterMm,
            static_cast<double>(kRingEmbedmentD * n3.diameterMm)};
}

std::vector<BarDetail> barDetails(const BarSchedule& s) {
    std::vector<BarDetail> details;
    for (const ScheduleLine& line : s.lines) {
        BarDetail detail{line.mark, sizeText(line.symbol, line.diameterMm), static_cast<int>(line.lengthCm),
                         "", ""};
        if (line.mark == "N1") {
            detail.straight = cm(s.mainBars.straightLength);
            detail.hook = s.mainBars.plain ? cm(s.mainBars.hookLength) : "";
        } else if (line.mark == "N2" && s.distribution) {
            detail.straight = cm(s.distribution->straightLength);
            detail.hook = cm(s.distribution->hookLength);
        }
        details.push_back(detail);
    }
    return details;
}

std::string symbolsNote(const BarSchedule& s) {
    const std::string plain(s.plainGrade());
    if (s.mainBars.plain) {
        return "钢筋符号：" + std::string(kPlainSymbol) + "为" + plain + "钢筋。";
    }
    return "钢筋符号：" + std::string(kRibbedSymbol) + "为" + s.mainBars.grade + "钢筋，" +
           std::string(kPlainSymbol) + "为" + plain + "钢筋。";
}

std::string distributionNote(const BarSchedule& s, const DesignCode& code, const DetailingRules& rules) {
    const DistributionBars& n2 = *s.distribution;
    return "分布钢筋N2置于主筋内侧，按" + std::string(code.titles.membersCode) + "第" +
           std::string(rules.distributionClause) + "条，每米板长截面面积不小于最大板厚" +
           cm(s.slab.maxThickness) + "cm截面的0.1%：需" + shortText(n2.requiredMm2PerM, 2) + "mm2/m，实配" +
           std::string(kPlainSymbol) + std::to_string(n2.diameterMm) + "@" + std::to_string(n2.spacingCm) +
           "为" + shortText(n2.providedTenthsMm2PerM, 1) + "mm2/m。";
}

std::vector<std::string> ringNotes(const BarSchedule& s, const DesignCode& code,
                                   const DetailingRules& rules) {
    const LiftingRings& n3 = *s.rings;
    const std::string ringRef = rules.ringClause.empty() ? "" : "第" + std::string(rules.ringClause) + "条";
    return {
        "吊环N3采用" + std::string(s.plainGrade()) + "钢筋，吊环严禁使用冷加工钢筋。",
        "吊环按" + std::string(code.titles.membersCode) + ringRef +
            "计算：每个吊环按两肢、四个吊环按三个计，盖板自重标准值G=" +
            exactFixedText(s.slab.selfWeightKN, 2) + "kN，应力不大于" + std::to_string(n3.stressLimitMPa) +
            "MPa。",
        "吊环埋入深度35d，末端设180°弯钩并与钢筋骨架绑扎；弯弧内径取3d与6cm之大者，弯弧中心线顶点高出板顶10cm"
        "（本程序构造规定）。",
        "吊环距板端" + std::to_string(n3.fromEndCm) + "cm、距板侧" + std::to_string(n3.fromEdgeCm) +
            "cm（a≈0.207Ls，使吊点处负弯矩与跨中正弯矩相等）。"};
}

}  // namespace

std::vector<std::string> drawingNotes(const BarSchedule& s) {
    const DesignCode& code = designCode(s.slab.edition);
    const DetailingRules& rules = code.detailing;
    std::vector<std::string> notes = {
        "本图尺寸除钢筋直径以毫米计外，余均以厘米计。",
        symbolsNote(s),
        "盖板混凝土强度等级" + s.slab.concreteGrade + "；主筋保护层厚度" + cm(s.slab.cover) +
            "cm（至主筋外缘）。",
        "设计规范：" + std::string(code.titles.loadsCode) + "、" + std::string(code.titles.membersCode) +
            "。",
        "光圆钢筋两端设180°弯钩（弯曲直径2.5d，平直段3d），每个弯钩长6.25d，已计入钢筋长度。",
        distributionNote(s, code, rules)};
    if (s.rings) {
        for (std::string& note : ringNotes(s, code, rules)) {
            notes.push_back(std::move(note));
        }
    } else {
        notes.insert(notes.end(), s.warnings.begin(), s.warnings.end());
    }
    notes.push_back("钢筋数量为一块盖板用量；单位重按钢筋截面积×0.785（7850kg/m3）计。");
    return notes;
}

std::vector<Row> scheduleTableRows(const BarSchedule& s) {
    std::vector<Row> rows = {headerRow(kScheduleHeader)};
    for (const ScheduleLine& line : s.lines) {
        const ScheduleLineTexts t = scheduleLineTexts(line);
        rows.push_back(
            {{t.mark}, {t.diameter}, {t.lengthCm}, {t.count}, {t.totalM}, {t.unitWeight}, {t.mass}});
    }
    for (const TotalRowText& total : totalRowTexts(s)) {
        rows.push_back({{total.label, kTotalLabelColumns}, {total.mass}});
    }
    return rows;
}

std::vector<Row> materialTableRows(const BarSchedule& s, CubicMetre cubicMetre) {
    std::vector<Row> rows = {headerRow(kMaterialHeader)};
    for (const MaterialRow& m : materialRows(s, cubicMetre)) {
        rows.push_back({{m.material}, {m.unit}, {m.quantity}});
    }
    return rows;
}

SheetContent sheetContent(const BarSchedule& s, const TitleBlockTexts& title) {
    SheetContent c;
    c.scale = s.scale;
    c.slab = slabFigure(s.slab);
    c.main = mainBarsFigure(s.mainBars);
    c.distribution = distributionFigure(*s.distribution);
    if (s.rings) {
        c.rings = ringFigure(*s.rings);
    }
    c.details = barDetails(s);
    c.scheduleRows = scheduleTableRows(s);
    c.materialRows = materialTableRows(s, CubicMetre::Ascii);
    c.notes = drawingNotes(s);
    c.title = title;
    return c;
}

Drawing drawingOf(const BarSchedule& schedule, const TitleBlockTexts& title) {
    return buildSheet(sheetContent(schedule, title));
}

}  // namespace tavrel::drawing
