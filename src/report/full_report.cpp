// The full calculation report: cover page, codes followed, parameter summary, the original sections with
// heading styles, summary of the checks and conclusion; header and footer name the structure, the report
// number and the input file.
#include "report/full_report.h"

#include "base/edition.h"
#include "base/version.h"
#include "calc/design_code.h"
#include "design/bar_schedule.h"
#include "design/bar_schedule_notes.h"
#include "report/report_builder.h"
#include "report/report_sections.h"
#include "report/report_summary.h"

namespace tavrel {

namespace {

// Table widths in twips across the 16 cm text width (9071 twips) of the report page.
constexpr int kCoverLabelWidth = 2835;                  // 5 cm
constexpr int kSignatureWidths[] = {2268, 3402, 3401};  // 4 cm, 6 cm, 6 cm
constexpr int kParameterWidths[] = {1134, 3119, 1418, 1134, 2266};
constexpr int kSummaryWidths[] = {1985, 794, 2268, 2268, 850, 906};
constexpr const char* kSummaryColumnTitles[] = {"验算项目",   "条文",   "作用效应",
                                                "抗力或限值", "利用率", "结论"};
// The drawing's schedule columns (14/18/22/14/22/26/24 mm of 140) and material columns (60/30/50 of 140)
// across the text width.
constexpr int kScheduleWidths[] = {907, 1166, 1425, 907, 1425, 1685, 1556};
constexpr int kMaterialWidths[] = {3888, 1944, 3239};
constexpr int kSummarySizeHalfPoints = 21;  // 10.5 pt (五号), the size of Chinese tables
constexpr int kCoverSpacerLines = 4;        // empty lines above the cover title

ReportRun plainRun(std::string text) {
    ReportRun run;
    run.text = std::move(text);
    return run;
}

ReportParagraph bodyParagraph(std::string text,
                              ReportParagraph::Alignment alignment = ReportParagraph::Alignment::Justify) {
    ReportParagraph paragraph;
    paragraph.alignment = alignment;
    if (!text.empty()) {
        paragraph.runs.push_back(plainRun(std::move(text)));
    }
    return paragraph;
}

// A heading of the full report, in the heading style of the sections, kept with what follows.
ReportParagraph headingParagraph(std::string text, bool newPage) {
    ReportParagraph paragraph = bodyParagraph(std::move(text));
    paragraph.style = ReportParagraph::Style::Heading;
    paragraph.keepWithNext = true;
    paragraph.keepLinesTogether = true;
    paragraph.pageBreakBefore = newPage;
    return paragraph;
}

ReportTableCell cell(std::string text, bool bold = false) {
    ReportTableCell result;
    result.lines = {std::move(text)};
    result.bold = bold;
    return result;
}

ReportTableCell leftCell(std::string text) {
    ReportTableCell result = cell(std::move(text));
    result.leftAligned = true;
    return result;
}

std::string orDefault(const std::string& value, std::string_view fallback) {
    return value.empty() ? std::string(fallback) : value;
}

// The structure's name, or the original title (" 3.5米净跨径22米填土暗涵盖板计算" without its blank).
std::string structureOrTitle(const ProjectInfo& project, const CalculationResults& r) {
    if (!project.structure.empty()) {
        return project.structure;
    }
    const std::string title = reportTitle(r);
    return title.substr(title.find_first_not_of(' '));
}

std::string codePairText(const CalculationResults& r) {
    const CodeTitles& titles = codeOf(r).titles;
    return std::string(titles.loadsCode) + "、" + std::string(titles.membersCode);
}

// 计算书编号 and 版本 as the header shows them: "计算书编号 JS-2024-017  版本 A".
std::string numberAndRevision(const ProjectInfo& project) {
    std::string text = project.reportNumber.empty() ? "" : "计算书编号 " + project.reportNumber + "  ";
    return text + "版本 " + orDefault(project.revision, kDefaultRevision);
}

ReportParagraph fullHeader(const ProjectInfo& project, const CalculationResults& r) {
    ReportParagraph header;
    header.style = ReportParagraph::Style::Header;
    header.rightTabAtMargin = true;
    header.runs = {plainRun(structureOrTitle(project, r) + "\t" + numberAndRevision(project))};
    return header;
}

// "第 X 页 共 Y 页" as the original footer, then the input file's name.
ReportParagraph fullFooter(const ReportParagraph& original, const std::string& inputFileName) {
    ReportParagraph footer = original;
    if (!inputFileName.empty()) {
        footer.runs.push_back(plainRun("    输入文件：" + inputFileName));
    }
    return footer;
}

ReportTable projectTable(const ProjectInfo& project, const CalculationResults& r, int textWidth,
                         std::size_t before) {
    ReportTable table;
    table.columnWidths = {kCoverLabelWidth, textWidth - kCoverLabelWidth};
    table.keepTogether = true;
    const std::pair<const char*, std::string> rows[] = {
        {"项目名称", project.project},
        {"构造物名称及中心桩号", project.structure},
        {"设计阶段", orDefault(project.stage, kDefaultStage)},
        {"计算书编号", project.reportNumber},
        {"版本", orDefault(project.revision, kDefaultRevision)},
        {"设计单位", project.company},
        {"采用规范", codePairText(r)},
    };
    for (const auto& [label, value] : rows) {
        table.rows.push_back({cell(label, true), leftCell(value)});
    }
    table.beforeParagraph = before;
    return table;
}

// A table in the summaries' size, its first row the bold column titles, kept on one page.
template <std::size_t N>
ReportTable summaryTable(const int (&widthsTwips)[N], const char* const (&titles)[N]) {
    ReportTable table;
    table.columnWidths.assign(std::begin(widthsTwips), std::end(widthsTwips));
    table.headingRows = 1;
    table.sizeHalfPoints = kSummarySizeHalfPoints;
    table.keepTogether = true;
    std::vector<ReportTableCell>& heading = table.rows.emplace_back();
    for (const char* title : titles) {
        heading.push_back(cell(title, true));
    }
    return table;
}

ReportTable signatureTable(const ProjectInfo& project, std::size_t before) {
    ReportTable table;
    table.columnWidths.assign(std::begin(kSignatureWidths), std::end(kSignatureWidths));
    table.headingRows = 1;
    table.keepTogether = true;
    table.rows.push_back({cell("职责", true), cell("姓名", true), cell("签字", true)});
    table.rows.push_back({cell("计算"), cell(project.calculatedBy), cell("")});
    table.rows.push_back({cell("复核"), cell(project.checkedBy), cell("")});
    table.rows.push_back({cell("审核"), cell(project.approvedBy), cell("")});
    table.beforeParagraph = before;
    return table;
}

// 封面: title, project block, signatures, issue date as plain text, program and version.
void addCover(ReportDocument& document, const ProjectInfo& project, const CalculationResults& r,
              const FullReportContext& context) {
    auto& paragraphs = document.paragraphs;
    for (int line = 0; line < kCoverSpacerLines; ++line) {
        paragraphs.push_back(bodyParagraph(""));
    }
    ReportParagraph title = document.paragraphs.front();  // the frame's title paragraph, moved below
    paragraphs.erase(paragraphs.begin());
    title.runs = {plainRun(project.structure.empty() ? structureOrTitle(project, r)
                                                     : project.structure + " 盖板计算书")};
    paragraphs.push_back(title);
    paragraphs.push_back(bodyParagraph(""));
    document.tables.push_back(projectTable(project, r, document.page.textWidth(), paragraphs.size()));
    paragraphs.push_back(bodyParagraph(""));
    document.tables.push_back(signatureTable(project, paragraphs.size()));
    paragraphs.push_back(bodyParagraph(""));
    paragraphs.push_back(bodyParagraph("出具日期：" + context.issueDate, ReportParagraph::Alignment::Centre));
    paragraphs.push_back(bodyParagraph("计算程序：" + std::string(kProgramTitle) + " " + kVersion,
                                       ReportParagraph::Alignment::Centre));
}

void addBasis(ReportDocument& document, const CalculationResults& r) {
    document.paragraphs.push_back(headingParagraph("设计依据", true));
    int number = 1;
    for (const std::string& code : designBasis(r)) {
        document.paragraphs.push_back(bodyParagraph("  " + std::to_string(number++) + ". " + code));
    }
}

void addParameterTable(ReportDocument& document, const DesignInput& input, const CalculationResults& r) {
    document.paragraphs.push_back(headingParagraph("计算参数汇总表", false));
    ReportTable table;
    table.columnWidths.assign(std::begin(kParameterWidths), std::end(kParameterWidths));
    table.headingRows = 1;
    table.sizeHalfPoints = kSummarySizeHalfPoints;
    table.rows.push_back(
        {cell("符号", true), cell("含义", true), cell("数值", true), cell("单位", true), cell("来源", true)});
    for (const ParameterRow& row : parameterRows(input, r)) {
        table.rows.push_back(
            {cell(row.symbol), leftCell(row.meaning), cell(row.value), cell(row.unit), cell(row.source)});
    }
    table.beforeParagraph = document.paragraphs.size();
    document.tables.push_back(std::move(table));
}

// The original title and sections, their numbered section headings in the heading style.
void addCalculation(ReportDocument& document, const ReportDocument& original) {
    bool first = true;
    for (ReportParagraph paragraph : original.paragraphs) {
        if (first) {
            paragraph.pageBreakBefore = true;
            first = false;
        }
        if (paragraph.sectionHeading) {
            paragraph.style = ReportParagraph::Style::Heading;
        }
        document.paragraphs.push_back(std::move(paragraph));
    }
}

void addSummary(ReportDocument& document, const CalculationResults& r,
                const std::vector<CheckSummaryRow>& rows) {
    document.paragraphs.push_back(headingParagraph("验算结果汇总表", false));
    ReportParagraph source = bodyParagraph("  条文均为" + codeOf(r).membersCodeCited() + "的条文。");
    source.keepWithNext = true;
    document.paragraphs.push_back(std::move(source));
    ReportTable table = summaryTable(kSummaryWidths, kSummaryColumnTitles);
    for (const CheckSummaryRow& row : rows) {
        ReportTableCell verdict = cell(verdictWord(row));
        verdict.red = isFailure(row);
        table.rows.push_back({leftCell(row.name), cell(row.clause), cell(row.demand), cell(row.capacity),
                              cell(utilisationText(row.utilisation)), verdict});
    }
    table.beforeParagraph = document.paragraphs.size();
    document.tables.push_back(std::move(table));
}

// A caption over a table of the quantities, kept with its table.
ReportParagraph tableCaption(std::string text) {
    ReportParagraph caption = bodyParagraph(std::move(text), ReportParagraph::Alignment::Centre);
    caption.keepWithNext = true;
    return caption;
}

ReportTable scheduleTable(const BarSchedule& schedule) {
    ReportTable table = summaryTable(kScheduleWidths, kScheduleColumnTitles);
    for (const ScheduleLine& line : schedule.lines) {
        const ScheduleLineTexts t = scheduleLineTexts(line);
        table.rows.push_back({cell(t.mark), cell(t.diameter), cell(t.lengthCm), cell(t.count), cell(t.totalM),
                              cell(t.unitWeight), cell(t.mass)});
    }
    for (const TotalRowText& total : totalRowTexts(schedule)) {
        ReportTableCell label = cell(total.label);
        label.columnSpan = static_cast<int>(std::size(kScheduleWidths)) - 1;
        table.rows.push_back({label, cell(total.mass)});
    }
    return table;
}

ReportTable materialTable(const BarSchedule& schedule) {
    ReportTable table = summaryTable(kMaterialWidths, kMaterialColumnTitles);
    for (const MaterialRow& row : materialRows(schedule, UnitForm::Superscript)) {
        table.rows.push_back({cell(row.material), cell(row.unit), cell(row.quantity)});
    }
    return table;
}

// 钢筋及材料数量: the drawing's bar schedule and material table, then its notes on the bars (hooks,
// distribution bars, rings; not the note on the quantities, the last one); the refusal when the slab is
// not drawn.
void addQuantities(ReportDocument& document, const CalculationResults& r) {
    auto& paragraphs = document.paragraphs;
    paragraphs.push_back(bodyParagraph(""));  // stands after the summary table
    paragraphs.push_back(headingParagraph("钢筋及材料数量（一块盖板）", false));
    const BarSchedule schedule = barSchedule(r);
    if (!schedule.drawn()) {
        paragraphs.push_back(bodyParagraph("  " + schedule.message));
        return;
    }
    paragraphs.push_back(tableCaption("钢筋数量表"));
    ReportTable bars = scheduleTable(schedule);
    paragraphs.push_back(tableCaption("材料数量表"));
    bars.beforeParagraph = paragraphs.size() - 1;
    document.tables.push_back(std::move(bars));
    ReportTable materials = materialTable(schedule);
    materials.beforeParagraph = paragraphs.size();
    document.tables.push_back(std::move(materials));
    const std::vector<std::string> notes = scheduleNotes(schedule, UnitForm::Superscript);
    for (std::size_t i = kFirstBarNote; i + 1 < notes.size(); ++i) {
        paragraphs.push_back(bodyParagraph("  " + notes[i]));
    }
}

void addConclusion(ReportDocument& document, const std::vector<CheckSummaryRow>& rows) {
    document.paragraphs.push_back(bodyParagraph(""));  // stands after the summary table
    document.paragraphs.push_back(headingParagraph("结论", false));
    document.paragraphs.push_back(bodyParagraph("  " + conclusionText(rows)));
}

}  // namespace

std::string issueDateOf(const ProjectInfo& project, const std::string& today) {
    return project.issueDate.empty() ? today : project.issueDate;
}

ReportDocument buildFullReport(const DesignInput& input, const CalculationResults& r,
                               StirrupCheck stirrupCheck, const std::string& figureFolder,
                               const FullReportContext& context) {
    const ReportDocument original = buildReport(r, stirrupCheck, figureFolder);
    const ProjectInfo& project = input.project;
    ReportDocument document = reportFrame(reportTitle(r));
    document.namesFontSubstitutes = true;
    document.header = fullHeader(project, r);
    document.footer = fullFooter(original.footer, context.inputFileName);
    addCover(document, project, r, context);
    addBasis(document, r);
    addParameterTable(document, input, r);
    addCalculation(document, original);
    const std::vector<CheckSummaryRow> rows = checkSummary(r, stirrupCheck);
    addSummary(document, r, rows);
    addQuantities(document, r);
    addConclusion(document, rows);
    return document;
}

}  // namespace tavrel
