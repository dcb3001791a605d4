// The command-line tool, run as a separate program on the bundled example and on edited copies.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_run.h"
#include "test_support.h"

namespace {

using tavrel::test::CliRun;
using tavrel::test::editedExample;
using tavrel::test::exampleFile;
using tavrel::test::runCli;

TEST(Cli, JsonOfTheExampleShowsTheWorkedResultsAndVerdicts) {
    const CliRun run = runCli("calc --json " + exampleFile());
    ASSERT_EQ(run.exitCode, 0);
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_TRUE(j["valid"].get<bool>());
    EXPECT_TRUE(j["error"].is_null());
    EXPECT_EQ(j["display"]["txtKZWJ"], "818.73");
    EXPECT_EQ(j["display"]["txtWJKL"], "1859.04");
    EXPECT_EQ(j["display"]["txtZDJL"], "793.78");
    EXPECT_EQ(j["display"]["txtJLKL"], "891.45");
    EXPECT_EQ(j["display"]["txtWfk1"], "0.20");
    EXPECT_EQ(j["display"]["txtWfk"], "0.18");
    for (const char* label : {"Label36", "Label37", "Label33", "Label35", "Label34"}) {
        EXPECT_TRUE(j["verdicts"][label]["passed"].get<bool>()) << label;
    }
    EXPECT_EQ(j["verdicts"]["Label34"]["caption"], "斜截面抗剪承载力验算通过√");
    EXPECT_TRUE(j["messages"].empty());
    EXPECT_FALSE(j["stirrupDialogOpened"].get<bool>());
    EXPECT_TRUE(j["stirrup"].is_null());
    // Singles are printed with enough digits to read back the stored value exactly.
    EXPECT_EQ(static_cast<float>(j["results"]["h0"].get<double>()), 1.0365f);
    EXPECT_EQ(j["results"]["nBars"], 14);
    EXPECT_EQ(j["results"]["concreteGrade"], "C30");
    EXPECT_TRUE(j["results"]["isBuried"].get<bool>());
}

TEST(Cli, RefusedInputGivesExitCodeThreeAndNoResults) {
    const std::string file = editedExample({{23, "0.4"}}, "tavrel_cli_refused.tvrl");
    const CliRun run = runCli("calc --json " + file);
    EXPECT_EQ(run.exitCode, 3);
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_FALSE(j["valid"].get<bool>());
    EXPECT_EQ(j["error"]["field"], "txtTTG");
    EXPECT_EQ(j["error"]["message"], "暗盖板涵填土高应大于0.5,请重新输入");
    EXPECT_TRUE(j["results"].is_null());
    EXPECT_EQ(j["display"]["txtKZWJ"], "");
    EXPECT_TRUE(j["verdicts"].empty());
}

TEST(Cli, FailedShearRunsTheStirrupDialogAndItsClosingRule) {
    // Thirty bars of 32 mm in a 40 cm slab under 10 m of fill: the section needs stirrups.
    const std::string file =
        editedExample({{23, "10"}, {14, "32"}, {15, "30"}, {39, "40"}, {40, "40"}}, "tavrel_cli_shear.tvrl");
    const CliRun run = runCli("calc --json --stirrup HRB335,12,10 " + file);
    ASSERT_EQ(run.exitCode, 0);
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_TRUE(j["stirrupDialogOpened"].get<bool>());
    ASSERT_FALSE(j["stirrup"].is_null());
    EXPECT_TRUE(j["stirrup"]["message"].is_null());
    const double vcs = j["results"]["Vcs"].get<double>();
    const double shear = j["results"]["gamma0Vd"].get<double>();
    EXPECT_GT(vcs, 0);
    EXPECT_EQ(j["verdicts"]["Label34"]["passed"].get<bool>(), vcs > shear);
    EXPECT_EQ(j["messages"].back(), "斜截面抗剪承载力不足，请输入箍筋数据并验算斜截面抗剪承载力");

    const CliRun refused = runCli("calc --json --stirrup R235,10,0 " + file);
    const auto k = nlohmann::json::parse(refused.out);
    EXPECT_EQ(k["stirrup"]["message"], "箍筋间距应大于0,请重新输入");
    EXPECT_FALSE(k["verdicts"]["Label34"]["passed"].get<bool>());
}

TEST(Cli, UsageAndFileErrorsHaveTheirExitCodes) {
    EXPECT_EQ(runCli("").exitCode, 2);
    EXPECT_EQ(runCli("frobnicate x").exitCode, 2);
    EXPECT_EQ(runCli("calc").exitCode, 2);
    EXPECT_EQ(runCli("calc --stirrup R999,10,10 " + exampleFile()).exitCode, 2);
    EXPECT_EQ(runCli("calc /nonexistent/file.tvrl").exitCode, 1);
    EXPECT_EQ(runCli("--help").exitCode, 0);
    const CliRun version = runCli("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_NE(version.out.find("0.2"), std::string::npos);
}

TEST(Cli, PlainOutputListsResultsVerdictsAndMessages) {
    const CliRun run = runCli("calc " + exampleFile());
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("跨中弯矩     (kNm)\t818.73"), std::string::npos);
    EXPECT_NE(run.out.find("最小配筋率验算通过√"), std::string::npos);
}

}  // namespace

namespace {

TEST(Cli, ReportWritesAWordDocumentAndRefusesAnUnwritableTarget) {
    const auto out = std::filesystem::temp_directory_path() / "tavrel_cli_report.docx";
    std::filesystem::remove(out);
    EXPECT_EQ(runCli("report " + exampleFile() + " -o " + out.string()).exitCode, 0);
    std::ifstream docx(out, std::ios::binary);
    std::string magic(2, '\0');
    docx.read(magic.data(), 2);
    EXPECT_EQ(magic, "PK");
    EXPECT_EQ(runCli("report " + exampleFile() + " -o /nonexistent-folder/r.docx").exitCode, 1);
    EXPECT_EQ(runCli("report " + exampleFile()).exitCode, 2);
}

}  // namespace
