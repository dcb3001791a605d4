// The bar schedule: whole records of worked slabs value for value, and the rules at their edges (exact
// lengths, distribution-bar ties, ring choice, layout, scale, refusals, notes), each row of
// data/bar_schedule_cases.json worked by hand from the detailing rules.
#include "design/bar_schedule.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "base/numbers.h"
#include "calc/calculate.h"
#include "calc/calculated.h"
#include "calc/stirrup.h"
#include "design/bar_schedule_json.h"
#include "design/bar_schedule_notes.h"
#include "test_support.h"

namespace tavrel {
namespace {

using Json = nlohmann::ordered_json;

const Json& cases() {
    static const Json all = [] {
        std::ifstream file(test::sourcePath("tests/design/data/bar_schedule_cases.json"));
        return Json::parse(file);
    }();
    return all;
}

float single(const Json& text) {
    return toSingle(std::stod(text.get<std::string>()));
}

// A design input from the defaults with the case's edition, slab type and control texts.
DesignInput inputOf(const Json& record) {
    DesignInput in;
    if (record.value("edition", 2004) == 2018) {
        DesignInputTarget(in).selectEdition(Edition::Jtg2018);
    }
    in.slabType = record.value("slabType", "buried") == "open" ? SlabType::Open : SlabType::Buried;
    for (int i = 0; i < kTextFieldCount; ++i) {
        const auto field = static_cast<TextField>(i);
        if (record.contains(controlName(field))) {
            in.text(field) = record[std::string{controlName(field)}].get<std::string>();
        }
    }
    for (int i = 0; i < kListFieldCount; ++i) {
        const auto field = static_cast<ListField>(i);
        if (record.contains(controlName(field))) {
            in.list(field) = record[std::string{controlName(field)}].get<std::string>();
        }
    }
    return in;
}

SlabGeometry geometryOf(const Json& g) {
    return {g.value("edition", 2004) == 2018 ? Edition::Jtg2018 : Edition::Jtg2004,
            single(g["L0"]),
            single(g["Lseat"]),
            single(g["b"]),
            single(g["d1"]),
            single(g["d2"]),
            single(g["c"]),
            single(g["gammaSlab"]),
            g["concreteGrade"].get<std::string>()};
}

// Everything the cases look at: the JSON of the drawing (its scale included) with the refusal's rule, the
// distribution bars' layout and the printed rows of both tables.
Json probe(const BarSchedule& schedule) {
    Json out{{"refusal", static_cast<int>(schedule.refusal)},
             {"message", schedule.message},
             {"scale", schedule.scale}};
    appendScheduleJson(schedule, out);
    if (schedule.distribution) {
        out["n2"] = {{"count", schedule.distribution->count},
                     {"firstOffsetMm", shortText(schedule.distribution->firstOffset, 2)}};
    }
    Json rows = Json::array();
    for (const ScheduleLine& line : schedule.lines) {
        const ScheduleLineTexts t = scheduleLineTexts(line);
        rows.push_back({t.mark, t.diameter, t.lengthCm, t.count, t.totalM, t.unitWeight, t.mass});
    }
    for (const TotalRowText& total : totalRowTexts(schedule)) {
        rows.push_back({total.label, total.mass});
    }
    out["rows"] = rows;
    Json materials = Json::array();
    for (const MaterialRow& row : materialRows(schedule, UnitForm::Superscript)) {
        materials.push_back({row.material, row.unit, row.quantity});
    }
    out["materials"] = materials;
    out["notes"] = scheduleNotes(schedule, UnitForm::Ascii);
    return out;
}

void expectFields(const Json& expected, const Json& actual, const std::string& name) {
    for (const auto& [pointer, value] : expected.items()) {
        const Json::json_pointer where(pointer);
        ASSERT_TRUE(actual.contains(where)) << name << ": no " << pointer << " in " << actual.dump();
        EXPECT_EQ(actual[where], value) << name << ": " << pointer;
    }
}

TEST(BarSchedule, SlabsGiveTheWorkedSchedulesField_ForField) {
    for (const Json& c : cases()["slabs"]) {
        const Json& bar = c["bar"];
        const auto size = findBarSize(bar["d"].get<float>());
        ASSERT_TRUE(size) << c["name"];
        const BarSchedule schedule =
            barScheduleFor(geometryOf(c["geometry"]), {bar["grade"], *size}, bar["count"].get<int>());
        expectFields(c["expect"], probe(schedule), c["name"]);
    }
}

TEST(BarSchedule, CalculatedRecordsGiveTheWorkedSchedulesAndRefusals) {
    for (const Json& c : cases()["records"]) {
        CalculationResults r = test::calculated(inputOf(c["record"]));
        if (c.value("stirrupsPassed", false)) {
            StirrupDesign stirrups{r};
            stirrups.load();
            ASSERT_TRUE(stirrups.press("10", r.concreteGrade)) << c["name"];
            ASSERT_TRUE(stirrups.close("").passed) << c["name"];
        }
        expectFields(c["expect"], probe(barSchedule(r)), c["name"]);
    }
}

TEST(BarSchedule, TheScaleIsTheFirstAtWhichAllThreeViewsFit) {
    for (const Json& c : cases()["scales"]) {
        const auto scale = drawingScale(c["slabLengthU"], c["widthU"], c["maxThicknessU"]);
        EXPECT_EQ(scale.value_or(0), c["scale"].get<int>()) << c["name"];
    }
}

TEST(BarSchedule, FixedTextsRoundTheExactBinaryValueHalfUp) {
    for (const Json& c : cases()["exactTexts"]) {
        const double value =
            c["single"] ? static_cast<double>(c["value"].get<float>()) : c["value"].get<double>();
        EXPECT_EQ(exactFixedText(value, c["decimals"]), c["text"].get<std::string>()) << c["value"];
    }
}

}  // namespace
}  // namespace tavrel
