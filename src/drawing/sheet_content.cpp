// What the sheet of a slab shows, taken from its bar schedule.
#include "drawing/sheet_content.h"

#include "design/bar_schedule_notes.h"

namespace tavrel::drawing {

namespace {

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

}  // namespace

std::vector<Row> scheduleTableRows(const BarSchedule& s) {
    std::vector<Row> rows = {headerRow(kScheduleColumnTitles)};
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

std::vector<Row> materialTableRows(const BarSchedule& s, UnitForm units) {
    std::vector<Row> rows = {headerRow(kMaterialColumnTitles)};
    for (const MaterialRow& m : materialRows(s, units)) {
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
    c.materialRows = materialTableRows(s, UnitForm::Ascii);
    c.notes = scheduleNotes(s, UnitForm::Ascii);
    c.title = title;
    return c;
}

TitleBlockTexts titleBlockOf(const ProjectInfo& project, std::string month) {
    TitleBlockTexts title;
    title.designUnit = project.company;
    title.projectName = project.project;
    title.structureName = project.structure;
    title.designer = project.calculatedBy;
    title.checker = project.checkedBy;
    title.reviewer = project.approvedBy;
    title.date = std::move(month);
    return title;
}

std::string titleBlockMonth(const std::string& isoDate) {
    constexpr std::size_t kYearDigits = 4;
    constexpr std::size_t kMonthFrom = 5;
    constexpr std::size_t kMonthDigits = 2;
    return isoDate.substr(0, kYearDigits) + "." + isoDate.substr(kMonthFrom, kMonthDigits);
}

Drawing drawingOf(const BarSchedule& schedule, const TitleBlockTexts& title) {
    return buildSheet(sheetContent(schedule, title));
}

}  // namespace tavrel::drawing
