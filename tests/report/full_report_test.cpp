// The summary of the checks and the conclusion of the full report, against the calculation's own verdicts
// and utilisations, for passing and failing designs under both code editions; the expected rows and
// conclusions are in tests/report/data/check_summary.json.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "calc/section.h"
#include "calc/worked_inputs_2018.h"
#include "design/slab_quantities.h"
#include "report/report_summary.h"
#include "test_support.h"

namespace tavrel {
namespace {

using nlohmann::json;

// 30 m of fill on the default slab with four 16 mm bars: four of the five checks fail.
DesignInput failing2004() {
    DesignInput input;
    input.txtTTG = "30";
    input.CboZJZJ = "16";
    input.txtZJGS = "4";
    return input;
}

const std::map<std::string, std::function<DesignInput()>> kInputs = {
    {"default-2004", [] { return DesignInput{}; }},
    {"failing-2004", failing2004},
    {"default-2018", test::buriedDefault2018},
    {"open-needing-stirrups-2018", test::openNeedingStirrups2018},
    {"section-too-small-2018", test::sectionTooSmallForShear2018},
};

const json& cases() {
    static const json table = [] {
        std::ifstream file(test::sourcePath("tests/report/data/check_summary.json"), std::ios::binary);
        return json::parse(file);
    }();
    return table;
}

test::CalculatedForReport calculated(const json& c) {
    const std::optional<std::string> spacing =
        c.at("stirrupSpacingCm").is_null() ? std::nullopt
                                           : std::optional(c.at("stirrupSpacingCm").get<std::string>());
    return test::calculatedForReport(kInputs.at(c.at("input").get<std::string>())(), spacing);
}

std::vector<std::vector<std::string>> namedRows(const std::vector<CheckSummaryRow>& rows) {
    std::vector<std::vector<std::string>> named;
    for (const CheckSummaryRow& row : rows) {
        named.push_back({row.name, row.clause, verdictWord(row)});
    }
    return named;
}

// TAVREL_UPDATE_GOLDEN=1 rewrites the expected rows and conclusions for a reviewed change, as it does the
// golden report parts.
TEST(CheckSummary, ExpectedRowsAreRewrittenOnlyOnRequest) {
    const char* update = std::getenv("TAVREL_UPDATE_GOLDEN");
    if (update == nullptr || std::string(update) != "1") {
        GTEST_SKIP() << "the expected rows are as reviewed";
    }
    json rewritten = cases();
    for (json& c : rewritten) {
        const test::CalculatedForReport calc = calculated(c);
        const std::vector<CheckSummaryRow> rows = checkSummary(calc.results, calc.stirrupCheck);
        c["rows"] = namedRows(rows);
        c["conclusion"] = conclusionText(rows);
    }
    std::ofstream(test::sourcePath("tests/report/data/check_summary.json"), std::ios::binary)
        << rewritten.dump(2, ' ', false) << "\n";
}

TEST(CheckSummary, RowsNameEachCheckWithItsVerdictInWords) {
    for (const json& c : cases()) {
        SCOPED_TRACE(c.at("input").get<std::string>());
        const test::CalculatedForReport calc = calculated(c);
        EXPECT_EQ(namedRows(checkSummary(calc.results, calc.stirrupCheck)),
                  c.at("rows").get<std::vector<std::vector<std::string>>>());
    }
}

// Each of the five checks' rows says what the check says and uses what design mode ranks designs by.
TEST(CheckSummary, FiveChecksTakeTheVerdictAndUtilisationOfTheCalculation) {
    for (const json& c : cases()) {
        SCOPED_TRACE(c.at("input").get<std::string>());
        const test::CalculatedForReport calc = calculated(c);
        const CalculationResults& r = calc.results;
        const CheckUtilisation u = checkUtilisation(r);
        for (const CheckSummaryRow& row : checkSummary(r, calc.stirrupCheck)) {
            for (Check check : kChecksInOrder) {
                if (row.name != checkName(check)) {
                    continue;
                }
                EXPECT_EQ(row.passes, checkPasses(r, check)) << row.name;
                const float expected = check == Check::Shear ? u.shearBound : u.of(check);
                EXPECT_TRUE(test::sameSingle(row.utilisation, expected)) << row.name;
            }
        }
    }
}

TEST(CheckSummary, ConclusionNamesTheFailedChecksAndWhatToChange) {
    for (const json& c : cases()) {
        SCOPED_TRACE(c.at("input").get<std::string>());
        const test::CalculatedForReport calc = calculated(c);
        EXPECT_EQ(conclusionText(checkSummary(calc.results, calc.stirrupCheck)), c.at("conclusion"));
    }
}

}  // namespace
}  // namespace tavrel
