// The A3 sheet: frame and title block, the four views, the bar schedule, the material table and the notes.
#include "drawing/sheet.h"

#include <algorithm>
#include <span>

#include "drawing/sheet_views.h"

namespace tavrel::drawing {

namespace {

constexpr double kScheduleColumns[] = {14, 18, 22, 14, 22, 26, 24};
constexpr double kMaterialColumns[] = {60, 30, 50};
constexpr double kTableTitleRaiseMm = 1.5;  // a table's title above its top line
constexpr double kNoteNumberMm = 4;         // room of "10." before a note's text
constexpr double kNoteLineMm = 4.5;         // line pitch of the notes, 1.5 × their height
constexpr double kTitleCellMarginMm = 1;

// The cells of the title block: the left edge of each column, and its upper and lower text.
struct TitleColumn {
    double left;
    double right;
    std::string upper;
    std::string lower;
    bool oneCell = false;  // spans both rows
};

void frame(Drawing& sheet) {
    Polyline border{
        {{{0, 0}}, {{kSheetWidthMm, 0}}, {{kSheetWidthMm, kSheetHeightMm}}, {{0, kSheetHeightMm}}}, true, 0};
    sheet.add(Layer::Frame, border);
    const Point corners[] = {{kFrame.left, kFrame.bottom},
                             {kFrame.right(), kFrame.bottom},
                             {kFrame.right(), kFrame.top()},
                             {kFrame.left, kFrame.top()}};
    for (int i = 0; i < 4; ++i) {
        sheet.add(Layer::Frame, Line{corners[i], corners[(i + 1) % 4], kFrameLineweightMm});
    }
}

std::vector<TitleColumn> titleColumns(const SheetContent& c) {
    const TitleBlockTexts& t = c.title;
    return {{25, 85, t.designUnit, "", true},
            {85, 103, "项目名称", "构造物"},
            {103, 193, t.projectName, t.structureName},
            {193, 263, kDrawingName, "", true},
            {263, 275, "设计", "审核"},
            {275, 305, t.designer, t.reviewer},
            {305, 317, "复核", "日期"},
            {317, 347, t.checker, t.date},
            {347, 359, "比例", "图号"},
            {359, 415, "1:" + std::to_string(c.scale), t.drawingNumber}};
}

void titleBlock(Drawing& sheet, const SheetContent& c) {
    const double bottom = kTitleBlock.bottom;
    const double top = kTitleBlock.top();
    const double middle = (bottom + top) / 2;
    addLine(sheet, Layer::Frame, {kTitleBlock.left, top}, {kTitleBlock.right(), top});
    for (const TitleColumn& column : titleColumns(c)) {
        const double x = (column.left + column.right) / 2;
        const double room = column.right - column.left - 2 * kTitleCellMarginMm;
        if (column.left > kTitleBlock.left) {
            addLine(sheet, Layer::Frame, {column.left, bottom}, {column.left, top});
        }
        if (column.oneCell) {
            const double height = column.upper == kDrawingName ? kTitleTextMm : kTableTextMm;
            addText(sheet, Layer::Frame, {x, middle}, fitted(column.upper, room, height), height,
                    HAlign::Centre, VAlign::Middle);
            continue;
        }
        addLine(sheet, Layer::Frame, {column.left, middle}, {column.right, middle});
        addText(sheet, Layer::Frame, {x, (middle + top) / 2}, fitted(column.upper, room, kTableTextMm),
                kTableTextMm, HAlign::Centre, VAlign::Middle);
        addText(sheet, Layer::Frame, {x, (bottom + middle) / 2}, fitted(column.lower, room, kTableTextMm),
                kTableTextMm, HAlign::Centre, VAlign::Middle);
    }
}

double table(Drawing& sheet, double top, const std::string& title, std::span<const double> columns,
             const std::vector<Row>& rows) {
    addText(sheet, Layer::Tables, {kTablesLeft + kTablesWidth / 2, top + kTableTitleRaiseMm}, title,
            kTitleTextMm * 0.8, HAlign::Centre);
    return ruledTable(sheet, {kTablesLeft, top}, {columns.begin(), columns.end()}, rows);
}

void notes(Drawing& sheet, const std::vector<std::string>& texts, double top) {
    addText(sheet, Layer::Text, {kTablesLeft, top - kTableTextMm}, "附注：", kTableTextMm);
    std::vector<std::pair<std::string, std::vector<std::string>>> numbered;
    std::size_t lineCount = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        numbered.push_back(
            {std::to_string(i + 1) + ".", wrapped(texts[i], kTablesWidth - kNoteNumberMm, kTableTextMm)});
        lineCount += numbered.back().second.size();
    }
    const double firstBaseline = top - kTableTextMm - kNoteLineMm;
    const double room = firstBaseline - kNotesBottom;
    const double pitch =
        lineCount > 1 ? std::min(kNoteLineMm, room / static_cast<double>(lineCount - 1)) : kNoteLineMm;
    double y = firstBaseline;
    for (const auto& [number, lines] : numbered) {
        addText(sheet, Layer::Text, {kTablesLeft, y}, number, kTableTextMm);
        for (const std::string& line : lines) {
            addText(sheet, Layer::Text, {kTablesLeft + kNoteNumberMm, y}, line, kTableTextMm);
            y -= pitch;
        }
    }
}

}  // namespace

Drawing buildSheet(const SheetContent& content) {
    Drawing sheet;
    sheet.widthMm = kSheetWidthMm;
    sheet.heightMm = kSheetHeightMm;
    frame(sheet);
    titleBlock(sheet, content);
    drawElevation(sheet, content);
    drawPlan(sheet, content);
    drawSection(sheet, content);
    drawDetails(sheet, content);
    const double scheduleBottom =
        table(sheet, kScheduleTop, "钢筋数量表（一块盖板）", kScheduleColumns, content.scheduleRows);
    const double materialBottom = table(sheet, scheduleBottom - kTableGapMm, "材料数量表（一块盖板）",
                                        kMaterialColumns, content.materialRows);
    notes(sheet, content.notes, materialBottom - kTableGapMm);
    return sheet;
}

}  // namespace tavrel::drawing
