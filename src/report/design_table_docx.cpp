// The design table as a landscape table document in the report's style: title, fixed inputs, the table
// a few fills per page width, notes.
#include <algorithm>
#include <utility>

#include "report/design_table_content.h"
#include "report/design_table_files.h"
#include "report/report_builder.h"
#include "report/report_composer.h"

namespace tavrel {

namespace {

constexpr std::size_t kFillsPerTable = 6;
constexpr int kSpanColumnTwips = 1600;
constexpr int kLabelColumnTwips = 2200;
constexpr int kWidestCellTwips = 3400;
constexpr int kCellSizeHalfPoints = 18;  // 9 pt

const char* const kCellLegend =
    "格内自上而下：板端厚/板中厚 d1/d2 (cm)；主筋 根数Φ直径 (mm) @ 间距 (mm)；每块混凝土 (m³) / 钢筋 (kg)；"
    "控制验算";

ReportTableCell textCell(std::vector<std::string> lines, bool bold = false, int columnSpan = 1) {
    return {std::move(lines), columnSpan, bold};
}

ReportTableCell designCell(const DesignOutcome& outcome) {
    const DesignCellTexts t = designCellTexts(outcome);
    if (!t.found) {
        return textCell({t.thickness, t.remark});
    }
    return textCell(
        {t.thickness, t.bars + "@" + t.spacing, t.concrete + " m³ / " + t.steel + " kg", t.remark});
}

// One table of the fills [first, last).
ReportTable tableOfFills(const DesignTable& table, std::size_t first, std::size_t last, int textWidth) {
    const auto count = static_cast<int>(last - first);
    const int cellWidth = std::min(kWidestCellTwips, (textWidth - kSpanColumnTwips) / count);
    ReportTable part;
    part.columnWidths.push_back(kSpanColumnTwips);
    part.columnWidths.insert(part.columnWidths.end(), static_cast<std::size_t>(count), cellWidth);
    part.sizeHalfPoints = kCellSizeHalfPoints;
    part.headingRows = 2;
    part.rows.push_back({textCell({kCellLegend}, false, count + 1)});
    std::vector<ReportTableCell> headings = {textCell({kSpanHeading}, true)};
    for (std::size_t fill = first; fill < last; ++fill) {
        headings.push_back(textCell({fillGroupHeading(table, fill)}, true));
    }
    part.rows.push_back(std::move(headings));
    for (std::size_t span = 0; span < table.spans.size(); ++span) {
        std::vector<ReportTableCell> row = {textCell({table.spans[span]})};
        for (std::size_t fill = first; fill < last; ++fill) {
            row.push_back(designCell(table.cell(span, fill)));
        }
        part.rows.push_back(std::move(row));
    }
    return part;
}

// The fixed inputs two to a row: label, value, label, value.
void composeFixedInputs(ReportDocument& document, ReportComposer& out, const TableRequest& request) {
    out.heading("设计条件");
    const int textWidth = document.page.textWidth();
    ReportTable inputs;
    inputs.columnWidths = {kLabelColumnTwips, textWidth / 2 - kLabelColumnTwips, kLabelColumnTwips,
                           textWidth / 2 - kLabelColumnTwips};
    inputs.sizeHalfPoints = kCellSizeHalfPoints;
    const std::vector<LabelledValue> values = fixedInputs(request);
    for (std::size_t i = 0; i < values.size(); i += 2) {
        std::vector<ReportTableCell> row = {textCell({values[i].label}, true), textCell({values[i].value})};
        if (i + 1 < values.size()) {
            row.push_back(textCell({values[i + 1].label}, true));
            row.push_back(textCell({values[i + 1].value}));
        } else {
            row.push_back(textCell({}, false, 2));
        }
        inputs.rows.push_back(std::move(row));
    }
    inputs.beforeParagraph = document.paragraphs.size();
    document.tables.push_back(std::move(inputs));
    out.emptyLine();
}

void composeTables(ReportDocument& document, ReportComposer& out, const DesignTable& table) {
    const int textWidth = document.page.textWidth();
    int number = 1;
    for (std::size_t first = 0; first < table.fills.size(); first += kFillsPerTable) {
        const std::size_t last = std::min(first + kFillsPerTable, table.fills.size());
        std::string caption = "表" + std::to_string(number++);
        if (table.slabType == SlabType::Buried) {
            caption += "  填土高 H = " + table.fills[first] + "～" + table.fills[last - 1] + " m";
        }
        out.heading(caption);
        ReportTable part = tableOfFills(table, first, last, textWidth);
        part.beforeParagraph = document.paragraphs.size();
        document.tables.push_back(std::move(part));
        out.emptyLine();  // keeps neighbouring tables apart
    }
}

void composeNotes(ReportComposer& out) {
    out.heading("注");
    int number = 1;
    for (const std::string& note : designTableNotes()) {
        out.line().text("  " + std::to_string(number++) + "．" + note);
    }
}

}  // namespace

ReportDocument designTableDocument(const DesignTable& table, const TableRequest& request) {
    ReportDocument document = reportFrame(designTableTitle(table.slabType));
    std::swap(document.page.width, document.page.height);
    document.page.landscape = true;
    ReportComposer out(document.paragraphs);
    composeFixedInputs(document, out, request);
    composeTables(document, out, table);
    composeNotes(out);
    return document;
}

}  // namespace tavrel
