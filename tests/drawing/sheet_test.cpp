// The sheet and its pieces: dimension values in centimetres, texts cut to their cells, notes wrapped to
// their column, and the sheets of the worked slabs, which keep every entity inside the frame and show
// every text of their tables. Expected values in data/drawing_cases.json.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "calc/calculate.h"
#include "cli/cli_support.h"
#include "design/bar_schedule.h"
#include "design/bar_schedule_notes.h"
#include "drawing/sheet_content.h"
#include "drawing/sheet_layout.h"
#include "drawing/sheet_parts.h"
#include "temporary_folder.h"
#include "test_support.h"

namespace {

using namespace tavrel;
using namespace tavrel::drawing;
using Json = nlohmann::json;
using tavrel::test::readFile;
using tavrel::test::sourcePath;

const Json& cases() {
    static const Json all = Json::parse(readFile(sourcePath("tests/drawing/data/drawing_cases.json")));
    return all;
}

BarSchedule scheduleOf(const std::string& file) {
    std::ostringstream err;
    const std::optional<DesignInput> input = cli::readRecord(sourcePath(file), err);
    CalculationResults results;
    EXPECT_TRUE(input && cli::calculateRecord(*input, results).has_value()) << err.str();
    return barSchedule(results);
}

const char* const kWorkedInputs[] = {"examples/default.tvrl", "tests/drawing/data/open_2018_m2.tvrl"};

TEST(Centimetres, showTheShortestFormWithAtMostTwoDecimalsRoundedHalfUp) {
    for (const Json& row : cases()["centimetres"]) {
        EXPECT_EQ(centimetres(row["u"].get<std::int64_t>()), row["text"].get<std::string>()) << row["why"];
    }
}

TEST(Fitted, cutsATextWiderThanItsCellAndEndsItWithAnEllipsis) {
    for (const Json& row : cases()["fitted"]) {
        const std::string shown = fitted(row["text"], row["widthMm"], row["height"]);
        EXPECT_EQ(shown, row["shown"].get<std::string>());
        EXPECT_LE(textWidthMm(shown, row["height"]), row["widthMm"].get<double>());
    }
}

// Every line fits the column, the lines put together are the note, no line starts with a closing mark
// and no number with its unit is split.
TEST(Wrapped, breaksEachNoteOfTheWorkedSlabsToTheColumnOnly) {
    for (const char* file : kWorkedInputs) {
        for (const std::string& note : scheduleNotes(scheduleOf(file), UnitForm::Ascii)) {
            const std::vector<std::string> lines = wrapped(note, 100, kTableTextMm);
            std::string joined;
            for (const std::string& line : lines) {
                EXPECT_LE(textWidthMm(line, kTableTextMm), 100.0 + kTableTextMm * kTextWidthFactor) << line;
                EXPECT_FALSE(line.starts_with("，") || line.starts_with("。") || line.starts_with("、"))
                    << line;
                joined += line;
            }
            EXPECT_EQ(joined, note);
            for (std::size_t i = 1; i < lines.size(); ++i) {
                const bool splitRun = std::isalnum(static_cast<unsigned char>(lines[i - 1].back())) &&
                                      std::isalnum(static_cast<unsigned char>(lines[i].front()));
                EXPECT_FALSE(splitRun) << lines[i - 1] << " | " << lines[i];
            }
        }
    }
}

Point pointOf(const Entity& entity) {
    if (const auto* line = std::get_if<Line>(&entity)) {
        return line->to;
    }
    if (const auto* polyline = std::get_if<Polyline>(&entity)) {
        return polyline->vertices.back().at;
    }
    if (const auto* circle = std::get_if<Circle>(&entity)) {
        return circle->centre;
    }
    if (const auto* arc = std::get_if<Arc>(&entity)) {
        return arc->centre;
    }
    return std::get<Text>(entity).at;
}

bool insideFrame(Point p) {
    return p.x >= kFrame.left && p.x <= kFrame.right() && p.y >= kFrame.bottom && p.y <= kFrame.top();
}

TEST(Sheet, keepsEveryEntityButTheSheetBorderInsideTheFrameAndOutOfTheTitleBlock) {
    for (const char* file : kWorkedInputs) {
        const BarSchedule schedule = scheduleOf(file);
        const Drawing sheet = drawingOf(schedule, {});
        for (const Item& item : sheet.items) {
            const Point p = pointOf(item.entity);
            if (item.layer != Layer::Frame) {
                EXPECT_TRUE(insideFrame(p)) << file << ": " << p.x << ", " << p.y;
                EXPECT_GT(p.y, kTitleBlock.top()) << file << ": " << p.x << ", " << p.y;
            }
        }
    }
}

TEST(Sheet, showsEveryTextOfItsTablesAndTheScaleInTheTitleBlock) {
    for (const char* file : kWorkedInputs) {
        const BarSchedule schedule = scheduleOf(file);
        const Drawing sheet = drawingOf(schedule, {});
        std::vector<std::string> texts;
        for (const Item& item : sheet.items) {
            if (const auto* text = std::get_if<Text>(&item.entity)) {
                texts.push_back(text->content);
            }
        }
        auto shows = [&](const std::string& text) { return std::ranges::find(texts, text) != texts.end(); };
        for (const auto& rows : {scheduleTableRows(schedule), materialTableRows(schedule, UnitForm::Ascii)}) {
            for (const Row& row : rows) {
                for (const Cell& cell : row) {
                    EXPECT_TRUE(shows(cell.text)) << file << ": " << cell.text;
                }
            }
        }
        EXPECT_TRUE(shows("1:" + std::to_string(schedule.scale))) << file;
        EXPECT_TRUE(shows(kDrawingName)) << file;
    }
}

}  // namespace
