// The drawing's files: DXF, SVG, CSV and JSON of one slab.
#include "drawing/drawing_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "base/csv.h"
#include "base/edition.h"
#include "design/bar_schedule_json.h"
#include "drawing/dxf_writer.h"
#include "drawing/sheet_content.h"
#include "drawing/sheet_layout.h"
#include "drawing/svg_writer.h"

namespace tavrel::drawing {

namespace {

constexpr const char* kScheduleTitle = "钢筋数量表（一块盖板）";
constexpr const char* kMaterialTitle = "材料数量表（一块盖板）";

// The cells of a table row as CSV fields: a cell across several columns fills the first and leaves the
// others empty, so the total rows keep their kilograms in the last column.
std::vector<std::string> fields(const Row& row) {
    std::vector<std::string> out;
    for (const Cell& cell : row) {
        out.push_back(cell.text);
        out.resize(out.size() + static_cast<std::size_t>(cell.columns - 1));
    }
    return out;
}

}  // namespace

std::string drawingJson(const BarSchedule& schedule) {
    nlohmann::ordered_json j;
    j["edition"] = editionYear(schedule.slab.edition);
    j["drawn"] = schedule.drawn();
    j["message"] =
        schedule.drawn() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(schedule.message);
    if (schedule.drawn()) {
        j["sheet"] = {{"size", "A3"},
                      {"widthMm", static_cast<int>(kSheetWidthMm)},
                      {"heightMm", static_cast<int>(kSheetHeightMm)}};
        j["scale"] = "1:" + std::to_string(schedule.scale);
        appendScheduleJson(schedule, j);
    }
    return j.dump(2);
}

std::optional<DrawingFormat> drawingFormatOf(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".dxf") {
        return DrawingFormat::Dxf;
    }
    if (extension == ".svg") {
        return DrawingFormat::Svg;
    }
    if (extension == ".csv") {
        return DrawingFormat::Csv;
    }
    if (extension == ".json") {
        return DrawingFormat::Json;
    }
    return std::nullopt;
}

std::string drawingCsv(const BarSchedule& schedule) {
    std::string text = csv::kByteOrderMark;
    csv::appendRow(text, {kScheduleTitle});
    for (const Row& row : scheduleTableRows(schedule)) {
        csv::appendRow(text, fields(row));
    }
    csv::appendRow(text, {});
    csv::appendRow(text, {kMaterialTitle});
    for (const Row& row : materialTableRows(schedule, UnitForm::Superscript)) {
        csv::appendRow(text, fields(row));
    }
    return text;
}

std::string drawingBytes(const BarSchedule& schedule, const TitleBlockTexts& title, DrawingFormat format) {
    switch (format) {
        case DrawingFormat::Dxf:
            return dxfBytes(drawingOf(schedule, title));
        case DrawingFormat::Svg:
            return svgText(drawingOf(schedule, title));
        case DrawingFormat::Csv:
            return drawingCsv(schedule);
        case DrawingFormat::Json:
            break;
    }
    return drawingJson(schedule) + "\n";
}

}  // namespace tavrel::drawing
