// Design mode: the search finds what the calculate command finds on every candidate, its texts are
// written and read back unchanged, and bad requests are refused.
#include "design/design_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "base/numbers.h"
#include "calc/calculate.h"
#include "calc/calculated.h"
#include "model/tvrl.h"
#include "model/tvrl_bytes.h"
#include "test_support.h"

namespace tavrel {
namespace {

struct RecordCase {
    const char* name;
    std::function<void(DesignInput&)> edit;
    int minCm;
    int maxCm;
    std::vector<std::string> diameters;  // empty: every diameter
};

DesignInput record(const RecordCase& c) {
    DesignInput input;
    c.edit(input);
    return input;
}

void buried(DesignInput& in, const char* fill) {
    in.slabType = SlabType::Buried;
    in.txtTTG = fill;
}

void open(DesignInput& in) {
    in.slabType = SlabType::Open;
}

void custom(DesignInput& in) {
    in.slabType = SlabType::Custom;
}

// The record under the 2018 pair, its lists selecting as after choosing the pair in the menu.
void jtg2018(DesignInput& in, SafetyClass safetyClass = kDefaultSafetyClass) {
    DesignInputTarget target(in);
    target.selectEdition(Edition::Jtg2018);
    target.selectSafetyClass(safetyClass);
}

// The last records of recordCases hold no design in their windows.
constexpr std::size_t kRecordsWithoutDesign = 3;

// A spread of records of all three slab types under both editions; each window of thicknesses holds the
// thinnest design or, for the last ones, no design at all.
const std::vector<RecordCase>& recordCases() {
    static const std::vector<RecordCase> cases = {
        {"default buried, 22 m fill", [](DesignInput& in) { buried(in, "22"); }, 88, 104, {}},
        {"buried at the least fill", [](DesignInput& in) { buried(in, "0.5"); }, 15, 35, {"16", "22", "32"}},
        {"buried just below the axle band",
         [](DesignInput& in) { buried(in, "1.0391"); },
         15,
         35,
         {"18", "25"}},
        {"buried at the axle band limit",
         [](DesignInput& in) { buried(in, "1.0392"); },
         15,
         35,
         {"18", "25"}},
        {"buried just below the vehicle band",
         [](DesignInput& in) { buried(in, "5.888"); },
         25,
         45,
         {"20", "28"}},
        {"buried at the vehicle band limit",
         [](DesignInput& in) { buried(in, "5.889"); },
         25,
         45,
         {"20", "28"}},
        {"buried, long span, C40, HRB400",
         [](DesignInput& in) {
             buried(in, "3");
             in.txtJKJ = "6";
             in.CboHNTDJ = "C40";
             in.txtHNTKY = "18.4";
             in.txtHNTKL = "1.65";
             in.CboZJDJ = "HRB400";
         },
         30,
         60,
         {"20", "25", "32"}},
        {"buried, short span, plain bars, severe environment",
         [](DesignInput& in) {
             buried(in, "2");
             in.txtJKJ = "1";
             in.CboZJDJ = "R235";
             in.CboHJLB = "III类环境";
         },
         3,
         20,
         {"16", "20", "25"}},
        {"buried, typed span, wide slab, midspan thinner than the ends",
         [](DesignInput& in) {
             buried(in, "4");
             in.chkJSKJ = true;
             in.txtJSKJ = "4.2";
             in.chkGBK = true;
             in.txtGBK = "1.49";
             in.txtBZH = "105";
         },
         15,
         35,
         {"16", "25"}},
        {"open, default pavement", [](DesignInput& in) { open(in); }, 15, 40, {}},
        {"open, long span, thick cover, C20",
         [](DesignInput& in) {
             open(in);
             in.txtJKJ = "5";
             in.txtBHC = "5";
             in.CboHNTDJ = "C20";
             in.txtHNTKY = "9.2";
             in.txtHNTKL = "1.06";
         },
         25,
         50,
         {"18", "22", "28"}},
        {"open, short bearing length",
         [](DesignInput& in) {
             open(in);
             in.txtGZCD = "0.2";
             in.txtJKJ = "2";
         },
         12,
         32,
         {"16", "20"}},
        {"custom, default loads", [](DesignInput& in) { custom(in); }, 10, 30, {"16", "18", "20"}},
        {"custom, heavy loads on a long span",
         [](DesignInput& in) {
             custom(in);
             in.txtJBHZ = "150";
             in.txtJBHZKD = "4";
             in.txtJZL = "400";
             in.txtJKJ = "5";
         },
         60,
         95,
         {"22", "25", "28", "32"}},
        {"2018, default buried", [](DesignInput& in) { jtg2018(in); }, 100, 110, {"16", "22"}},
        // 32 mm bars are refused by the cover (3 cm) and 25 mm plain bars by their largest diameter.
        {"2018, open, 一级, plain bars",
         [](DesignInput& in) {
             jtg2018(in, SafetyClass::First);
             open(in);
             in.CboZJDJ = "HPB300";
         },
         30,
         48,
         {"16", "20", "25", "32"}},
        {"2018, typed ftd above the upper limit's reach",
         [](DesignInput& in) {
             jtg2018(in);
             in.chkHNTKL = true;
             in.txtHNTKL = "5";
         },
         40,
         52,
         {"25", "28"}},
        {"buried under 60 m of fill: nothing passes",
         [](DesignInput& in) { buried(in, "60"); },
         40,
         55,
         {"25", "32"}},
        {"open on a 6 m span, thin slabs only: nothing passes",
         [](DesignInput& in) {
             open(in);
             in.txtJKJ = "6";
         },
         15,
         25,
         {"16", "32"}},
        {"2018, buried, too thin for the upper limit in shear: nothing passes",
         [](DesignInput& in) { jtg2018(in); },
         22,
         30,
         {"16", "20"}},
    };
    return cases;
}

DesignRequest requestFor(const RecordCase& c, DesignObjective objective) {
    DesignRequest request;
    request.record = record(c);
    request.minEndThicknessCm = c.minCm;
    request.maxEndThicknessCm = c.maxCm;
    request.diameters = c.diameters;
    request.objective = objective;
    return request;
}

class SearchEqualsExhaustiveSearch
    : public ::testing::TestWithParam<std::tuple<std::size_t, DesignObjective>> {};

TEST_P(SearchEqualsExhaustiveSearch, SameDesignOrSameMessage) {
    const auto [index, objective] = GetParam();
    const RecordCase& c = recordCases()[index];
    const DesignRequest request = requestFor(c, objective);
    const DesignOutcome fast = findDesign(request);
    const DesignOutcome exhaustive = findDesignExhaustively(request);
    EXPECT_EQ(fast.design, exhaustive.design) << c.name;
    EXPECT_EQ(fast.message, exhaustive.message) << c.name;
    EXPECT_LT(fast.candidatesEvaluated, exhaustive.candidatesEvaluated) << c.name;
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<std::size_t, DesignObjective>>& info) {
    const auto [index, objective] = info.param;
    return (objective == DesignObjective::Thinnest ? "Thinnest" : "Cheapest") + std::to_string(index);
}

INSTANTIATE_TEST_SUITE_P(Records, SearchEqualsExhaustiveSearch,
                         ::testing::Combine(::testing::Range<std::size_t>(0, recordCases().size()),
                                            ::testing::Values(DesignObjective::Thinnest,
                                                              DesignObjective::Cheapest)),
                         caseName);

// Each window holds its thinnest design above its least thickness, so the search has thicknesses to
// pass over; the last records hold none.
TEST(DesignSearch, WindowsHoldTheirThinnestDesignAboveTheirLeastThickness) {
    const auto& cases = recordCases();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const DesignOutcome outcome = findDesign(requestFor(cases[i], DesignObjective::Thinnest));
        const bool expectsDesign = i + kRecordsWithoutDesign < cases.size();
        ASSERT_EQ(outcome.design.has_value(), expectsDesign) << cases[i].name << ": " << outcome.message;
        if (outcome.design) {
            EXPECT_GT(outcome.design->endThicknessCm, cases[i].minCm) << cases[i].name;
        }
    }
}

TEST(DesignSearch, DefaultBuriedSlabNeedsFarFewerCalculationsThanEveryCandidate) {
    const DesignOutcome fast = findDesign(DesignRequest{});
    ASSERT_TRUE(fast.design);
    EXPECT_EQ(fast.design->texts.txtBDH, "96");
    EXPECT_EQ(fast.design->texts.txtBZH, "101");
    EXPECT_EQ(fast.design->governing, Check::Shear);
    // 131 thicknesses × 95 admissible bar arrangements in a 0.99 m slab.
    EXPECT_LT(fast.candidatesEvaluated * 50, 131 * 95);
}

// The message names each failed part of the shear check: the bound without stirrups by the check's name,
// the 2018 upper limit of the section as 抗剪截面尺寸 with γ0Vd/Vmax.
TEST(DesignSearch, NothingPassingNamesTheFailingChecksAtTheLargestThickness) {
    struct Case {
        const char* name;
        std::function<void(DesignInput&)> edit;
        int maxCm;
        std::string message;
    };
    const Case cases[] = {
        {"2004, 60 m of fill", [](DesignInput& in) { in.txtTTG = "60"; }, 55,
         "板端厚至55 cm 仍不满足正截面抗弯承载力、最大裂缝宽度、斜截面抗剪承载力要求"
         "（最接近的配筋18Φ20：γ0Md/Mu=2.96，Wfk/Wlim=4.64，γ0Vd/Vc=4.68）"},
        {"2018, both parts of the shear check fail", [](DesignInput& in) { jtg2018(in); }, 30,
         "板端厚至30 cm 仍不满足正截面抗弯承载力、最大裂缝宽度、斜截面抗剪承载力、抗剪截面尺寸要求"
         "（最接近的配筋19Φ16：γ0Md/Mu=3.20，Wfk/Wlim=3.71，γ0Vd/Vc=3.75，γ0Vd/Vmax=1.17）"},
        {"2018, only the upper limit fails",
         [](DesignInput& in) {
             jtg2018(in);
             in.chkHNTKL = true;
             in.txtHNTKL = "5";
         },
         32,
         "板端厚至32 cm 仍不满足正截面抗弯承载力、最大裂缝宽度、抗剪截面尺寸要求"
         "（最接近的配筋16Φ22：γ0Md/Mu=2.12，Wfk/Wlim=2.28，γ0Vd/Vmax=1.10）"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignRequest request;
        c.edit(request.record);
        request.minEndThicknessCm = 20;
        request.maxEndThicknessCm = c.maxCm;
        const DesignOutcome outcome = findDesign(request);
        EXPECT_FALSE(outcome.design);
        EXPECT_EQ(outcome.message.rfind(c.message, 0), 0u) << outcome.message;
    }
}

TEST(DesignSearch, RecordTheInputChecksRefuseGivesTheirMessage) {
    struct Case {
        std::function<void(DesignInput&)> edit;
        std::string message;
    };
    const Case cases[] = {
        {[](DesignInput& in) { in.txtTTG = "0.4"; }, "暗盖板涵填土高应大于0.5,请重新输入"},
        {[](DesignInput& in) { in.txtGBK = "wide"; }, "盖板宽应大于0,请重新输入"},
        {[](DesignInput& in) { in.txtBZH = ""; }, "板端厚和板中厚应为数值：设计保持板中厚与板端厚之差"},
    };
    for (const Case& c : cases) {
        DesignRequest request;
        c.edit(request.record);
        request.maxEndThicknessCm = 30;
        EXPECT_EQ(findDesign(request).message, c.message);
    }
}

TEST(DesignSearch, BestPerDiameterStartsWithTheDesignOfAllDiameters) {
    DesignRequest request;
    request.record.slabType = SlabType::Open;
    const auto designs = bestDesignPerDiameter(request);
    ASSERT_EQ(designs.size(), 7u);
    EXPECT_EQ(designs.front(), *findDesign(request).design);
    for (std::size_t i = 1; i < designs.size(); ++i) {
        EXPECT_FALSE(ranksBefore(designs[i], designs[i - 1], request.objective));
        EXPECT_NE(designs[i].barDiameterMm, designs[i - 1].barDiameterMm);
    }
}

// The design as the window sees it after opening the file: written, read back and calculated again.
Expected<CalculateOutcome, Refusal> recalculatedFromFile(const DesignInput& input) {
    const Expected<std::string> bytes = tvrl::write(input);
    const DesignInput reread = test::appliedBytes(*bytes).input;
    EXPECT_EQ(reread, input);
    CalculationResults r = test::freshResults();
    return runCalculateCommand(reread, r);
}

TEST(DesignSearch, WrittenDesignReadsBackAndRecalculatesToTheSameVerdicts) {
    for (const RecordCase& c : recordCases()) {
        const DesignRequest request = requestFor(c, DesignObjective::Thinnest);
        const DesignOutcome outcome = findDesign(request);
        if (!outcome.design) {
            continue;
        }
        const Expected<CalculateOutcome, Refusal> recalculated =
            recalculatedFromFile(withDesign(request.record, outcome.design->texts));
        ASSERT_TRUE(recalculated) << c.name;
        for (const Verdict& verdict : recalculated->verdicts) {
            EXPECT_TRUE(verdict.passed) << c.name << " " << verdict.caption;
        }
    }
}

TEST(DesignTexts, MidspanKeepsTheRecordsDifferenceAndTheSpanFollowsTheRule) {
    struct Case {
        const char* d1;
        const char* d2;
        const char* clearSpan;
        const char* bearing;
        bool spanTyped;
        int endCm;
        const char* midspan;
        std::optional<std::string> span;
    };
    const Case cases[] = {
        {"108", "113", "3.5", "0.3", false, 95, "100", "3.8"},
        {"108", "113", "3.5", "0.3", false, 25, "30", "3.75"},
        {"108.5", "113.2", "3.5", "0.3", false, 95, "99.7", "3.8"},
        {"40", "35", "2", "0.25", false, 20, "15", "2.2"},
        {"108", "113", "3.5", "0.3", true, 95, "100", std::nullopt},
        // The derived 10.29999999 m has eleven characters: rounded to fit the file's ten.
        {"108", "113", "9.99999999", "0.3", false, 50, "55", "10.3"},
    };
    for (const Case& c : cases) {
        DesignInput in;
        in.txtBDH = c.d1;
        in.txtBZH = c.d2;
        in.txtJKJ = c.clearSpan;
        in.txtGZCD = c.bearing;
        in.chkJSKJ = c.spanTyped;
        const CandidateTexts candidate = candidateTexts(in, c.endCm, "25", 12);
        EXPECT_TRUE(candidate.problem.empty());
        EXPECT_EQ(candidate.texts, (DesignTexts{std::to_string(c.endCm), c.midspan, "25", "12", c.span}));
    }
}

TEST(DesignTexts, SpanThatCannotBeWrittenInTenCharactersIsAProblem) {
    DesignInput in;
    in.txtJKJ = "1e12";
    EXPECT_EQ(candidateTexts(in, 30, "25", 12).problem, "计算跨径无法写成十个字符以内的数值");
}

TEST(DesignSteel, ADesignWeighsWhatTheScheduleOfItsRecordWeighs) {
    // Every bar counts (N1 with hooks when plain, N2, N3), the adopted record's drawing says the same.
    for (const DesignObjective objective : {DesignObjective::Thinnest, DesignObjective::Cheapest}) {
        DesignRequest request;
        request.objective = objective;
        request.minEndThicknessCm = 90;
        request.maxEndThicknessCm = 110;
        const DesignOutcome outcome = findDesign(request);
        ASSERT_TRUE(outcome.design);
        const SlabDesign& design = *outcome.design;
        const BarSchedule drawn = barSchedule(test::calculated(withDesign(request.record, design.texts)));
        EXPECT_EQ(design.quantities.steelKg, drawn.steelKg());
        EXPECT_EQ(design.schedule, drawn);
        EXPECT_EQ(design.quantities.steelKg, toSingle(static_cast<double>(drawn.steelCents) / 100));
        EXPECT_EQ(drawn.lines.size(), 2u);  // 2004: no R235 ring lifts a slab this heavy
    }
}

TEST(DesignSteel, ADesignTooWideToDrawKeepsItsPlaceCountsItsBarsAndSaysWhy) {
    // 3.6 m does not fit the plan's 70 mm at 1:50; the search still finds the slab, with its N1 and N2.
    DesignRequest request;
    request.record.txtGBK = "3.6";
    request.minEndThicknessCm = 90;
    request.maxEndThicknessCm = 110;
    const DesignOutcome outcome = findDesign(request);
    ASSERT_TRUE(outcome.design);
    const BarSchedule& schedule = outcome.design->schedule;
    EXPECT_EQ(schedule.refusal, DrawingRefusal::NoScale);
    ASSERT_EQ(schedule.lines.size(), 2u);
    EXPECT_EQ(outcome.design->quantities.steelKg, schedule.steelKg());
    EXPECT_GT(schedule.lines[1].massCents, 0);
}

TEST(BarDetailing, CountsAdmittedAreThoseTheDrawingLaysOut) {
    std::ifstream file(test::sourcePath("tests/design/data/admissible_counts.json"));
    for (const nlohmann::json& c : nlohmann::json::parse(file)) {
        const CountRange range = admissibleCounts(toSingle(std::stod(c["widthM"].get<std::string>())),
                                                  toSingle(std::stod(c["coverCm"].get<std::string>())),
                                                  *findBarSize(c["diameter"].get<float>()), BarDetailing{});
        EXPECT_EQ(range.first, c["first"].get<int>()) << c["name"];
        EXPECT_EQ(range.last, c["last"].get<int>()) << c["name"];
    }
}

TEST(DesignRequestCheck, BadRangesDiametersAndPricesAreRefused) {
    struct Case {
        std::function<void(DesignRequest&)> edit;
        std::string message;
    };
    const Case cases[] = {
        {[](DesignRequest& r) { r.minEndThicknessCm = 60, r.maxEndThicknessCm = 50; },
         "板端厚范围的下限60 cm大于上限50 cm"},
        {[](DesignRequest& r) { r.minEndThicknessCm = 0; }, "板端厚范围应在1至1000 cm之间"},
        {[](DesignRequest& r) { r.maxEndThicknessCm = 1001; }, "板端厚范围应在1至1000 cm之间"},
        {[](DesignRequest& r) {
             r.diameters = {"16", "24"};
         },
         "主筋直径24不在主筋直径表中（16、18、20、22、25、28、32）"},
        {[](DesignRequest& r) { r.prices.steelPerKg = 0; }, "混凝土和钢筋单价应大于0"},
        {[](DesignRequest& r) { r.prices.concretePerM3 = std::nan(""); }, "混凝土和钢筋单价应大于0"},
    };
    EXPECT_FALSE(requestProblem(DesignRequest{}));
    for (const Case& c : cases) {
        DesignRequest request;
        c.edit(request);
        EXPECT_EQ(requestProblem(request), c.message);
    }
}

TEST(DesignRanking, ObjectivesOrderByThicknessOrByPrice) {
    SlabDesign thin;
    thin.endThicknessCm = 30;
    thin.quantities = {1.5f, 120.0f};
    thin.cost = 1500;
    SlabDesign thickButCheaper = thin;
    thickButCheaper.endThicknessCm = 32;
    thickButCheaper.cost = 1400;
    EXPECT_TRUE(ranksBefore(thin, thickButCheaper, DesignObjective::Thinnest));
    EXPECT_TRUE(ranksBefore(thickButCheaper, thin, DesignObjective::Cheapest));
    SlabDesign lighter = thin;
    lighter.quantities.steelKg = 110.0f;
    EXPECT_TRUE(ranksBefore(lighter, thin, DesignObjective::Thinnest));
    SlabDesign samePriceThicker = thickButCheaper;
    samePriceThicker.cost = thin.cost;
    EXPECT_TRUE(ranksBefore(thin, samePriceThicker, DesignObjective::Cheapest));
}

struct GoverningCase {
    Check governing;
    float shearBound;
    float shearUpperLimit;
    const char* text;
};

TEST(GoverningCheckText, NamesTheSectionUpperLimitOnlyWhereItGovernsTheShear) {
    const GoverningCase cases[] = {
        {Check::Shear, 0.9f, 0.7f, "斜截面抗剪承载力"},
        {Check::Shear, 0.5f, 0.7f, "斜截面抗剪承载力（抗剪截面尺寸，γ0Vd/Vmax）"},
        {Check::Shear, 0.9f, 0.0f, "斜截面抗剪承载力"},  // the 2004 rules set no upper limit
        {Check::CrackWidth, 0.5f, 0.7f, "最大裂缝宽度"},
    };
    for (const GoverningCase& c : cases) {
        SlabDesign design;
        design.governing = c.governing;
        design.utilisation.shearBound = c.shearBound;
        design.utilisation.shearUpperLimit = c.shearUpperLimit;
        EXPECT_EQ(governingCheckText(design), c.text);
    }
}

}  // namespace
}  // namespace tavrel
