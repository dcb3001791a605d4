// The design table as comma-separated text and as JSON.
#include "base/csv.h"
#include "report/design_json.h"
#include "report/design_table_content.h"
#include "report/design_table_files.h"

namespace tavrel {

namespace {

std::vector<std::string> groupHeadings() {
    std::vector<std::string> headings = designColumnHeadings();
    headings.pop_back();  // the governing check goes last, after the quantities
    for (const std::string& heading : quantityColumnHeadings()) {
        headings.push_back(heading);
    }
    headings.push_back(designColumnHeadings().back());
    return headings;
}

std::vector<std::string> csvCell(const DesignOutcome& outcome) {
    const DesignCellTexts t = designCellTexts(outcome);
    return {t.thickness, t.bars, t.spacing, t.concrete, t.steel, t.remark};
}

Json cellJson(const DesignOutcome& outcome) {
    Json j;
    j["found"] = outcome.design.has_value();
    j["message"] = outcome.design ? Json(nullptr) : Json(outcome.message);
    if (!outcome.design) {
        return j;
    }
    const SlabDesign& d = *outcome.design;
    j["design"] = designTextsJson(d.texts);
    j["spacingMm"] = singleJson(d.centreSpacingMm);
    j["quantities"] = quantitiesJson(d);
    j["costYuan"] = singleJson(d.cost);
    j["governing"] = governingCheckText(d);
    return j;
}

Json labelledJson(const std::vector<LabelledValue>& values) {
    Json list = Json::array();
    for (const LabelledValue& value : values) {
        list.push_back({{"label", value.label}, {"value", value.value}});
    }
    return list;
}

}  // namespace

std::string designTableCsv(const DesignTable& table) {
    const std::vector<std::string> headings = groupHeadings();
    std::vector<std::string> groupRow = {""};
    std::vector<std::string> headingRow = {kSpanHeading};
    for (std::size_t fill = 0; fill < table.fills.size(); ++fill) {
        groupRow.push_back(fillGroupHeading(table, fill));
        groupRow.resize(groupRow.size() + headings.size() - 1);
        headingRow.insert(headingRow.end(), headings.begin(), headings.end());
    }
    std::string text = csv::kByteOrderMark;
    csv::appendRow(text, groupRow);
    csv::appendRow(text, headingRow);
    for (std::size_t span = 0; span < table.spans.size(); ++span) {
        std::vector<std::string> row = {table.spans[span]};
        for (std::size_t fill = 0; fill < table.fills.size(); ++fill) {
            const std::vector<std::string> cell = csvCell(table.cell(span, fill));
            row.insert(row.end(), cell.begin(), cell.end());
        }
        csv::appendRow(text, row);
    }
    return text;
}

std::string designTableJson(const DesignTable& table, const TableRequest& request) {
    Json j;
    j["title"] = designTableTitle(table.slabType);
    j["codeEdition"] = codeEditionName(request.design.record);
    j["fixedInputs"] = labelledJson(fixedInputs(request));
    j["record"] = labelledJson(recordLines(request.design.record));
    j["spans"] = table.spans;
    j["fills"] = table.slabType == SlabType::Buried ? Json(table.fills) : Json::array();
    Json rows = Json::array();
    for (std::size_t span = 0; span < table.spans.size(); ++span) {
        Json row = Json::array();
        for (std::size_t fill = 0; fill < table.fills.size(); ++fill) {
            row.push_back(cellJson(table.cell(span, fill)));
        }
        rows.push_back(row);
    }
    j["cells"] = rows;
    j["notes"] = designTableNotes();
    return j.dump(2) + "\n";
}

}  // namespace tavrel
