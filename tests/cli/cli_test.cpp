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
using tavrel::test::exampleOfEdition;
using tavrel::test::LineEdit;
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

namespace {

// --- Code editions ------------------------------------------------------------------------------------

TEST(CliEdition, A2018FileCalculatesUnderItsSafetyClassAndListsTheNewFields) {
    const std::string file = exampleOfEdition({{13, "HRB400"}}, "2018", "3", "tavrel_cli_2018.tvrl");
    const CliRun run = runCli("calc --json " + file);
    ASSERT_EQ(run.exitCode, 0);
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["display"]["txtKZWJ"], "819.06");
    EXPECT_EQ(j["display"]["txtZDJL"], "794.11");
    EXPECT_EQ(j["display"]["txtWfk"], "0.12");
    const auto& r = j["results"];
    EXPECT_EQ(r["edition"], 2018);
    EXPECT_EQ(r["safetyClass"], 3);
    EXPECT_EQ(r["safetyName"], "三级");
    EXPECT_EQ(static_cast<float>(r["gamma0"].get<double>()), 0.9f);
    EXPECT_EQ(static_cast<float>(r["Ms"].get<double>()), 757.6475f);
    EXPECT_EQ(static_cast<float>(r["Vmax"].get<double>()), 2866.3901f);
    EXPECT_EQ(static_cast<float>(r["rhoTe"].get<double>()), 0.079793334f);
    EXPECT_EQ(r["fcukGrade"], 30);
    EXPECT_EQ(r["envName"], "一般环境");
}

// A 2004 calculation's output is what it has always been: none of the 2018 fields.
TEST(CliEdition, The2004OutputHasNoneOfTheNewFields) {
    const auto j = nlohmann::json::parse(runCli("calc --json " + exampleFile()).out);
    for (const char* field : {"edition", "safetyClass", "safetyName", "gamma0", "impact", "Ms", "Ml",
                              "fcukGrade", "Vmax", "aS", "rhoTe0", "rhoTe", "cw", "envName"}) {
        EXPECT_FALSE(j["results"].contains(field)) << field;
    }
    EXPECT_EQ(j["results"].size(), 70u);
}

struct OptionCase {
    const char* name;
    std::string arguments;
    int exitCode;
    const char* txtKZWJ;  // empty: no calculation
};

TEST(CliEdition, OptionsOverrideTheFileAsTheMenuWould) {
    const std::string file2018 =
        exampleOfEdition({{13, "HRB400"}}, "2018", "3", "tavrel_cli_2018_options.tvrl");
    const OptionCase cases[] = {
        {"2004 file switched to 2018, HRB335 becomes HRB400", "--edition 2018 " + exampleFile(), 0, "910.07"},
        {"and in class 1", "--edition 2018 --safety-class 1 " + exampleFile(), 0, "1001.08"},
        {"a 2018 file in class 2", "--safety-class 2 " + file2018, 0, "910.07"},
        {"a 2018 file under the 2004 combination", "--edition 2004 " + file2018, 0, "818.73"},
        {"no safety class under 2004", "--safety-class 1 " + exampleFile(), 2, ""},
        {"no safety class after switching to 2004", "--edition 2004 --safety-class 1 " + file2018, 2, ""},
        {"an unknown edition", "--edition 2015 " + exampleFile(), 2, ""},
        {"an unknown class", "--edition 2018 --safety-class 4 " + exampleFile(), 2, ""},
    };
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli("calc --json " + c.arguments);
        ASSERT_EQ(run.exitCode, c.exitCode);
        if (c.exitCode == 0) {
            EXPECT_EQ(nlohmann::json::parse(run.out)["display"]["txtKZWJ"], c.txtKZWJ);
        }
    }
}

TEST(CliEdition, UnrecognisedEditionAndSafetyClassMarksAreSaidOnTheErrorOutput) {
    const std::string later = exampleOfEdition({}, "2024", "1", "tavrel_cli_2024.tvrl");
    const CliRun run = runCli("calc " + later, true);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("文件中的设计规范标记“2024”不能识别，已按JTG D60-2004、JTG D62-2004读入。"),
              std::string::npos);
    EXPECT_NE(run.out.find("跨中弯矩     (kNm)\t818.73"), std::string::npos);

    const std::string noClass = exampleOfEdition({{13, "HRB400"}}, "2018", "x", "tavrel_cli_2018_x.tvrl");
    const CliRun second = runCli("calc " + noClass, true);
    EXPECT_NE(second.out.find("文件中的结构安全等级标记“x”不能识别，已按二级读入。"), std::string::npos);
    EXPECT_NE(second.out.find("跨中弯矩     (kNm)\t910.07"), std::string::npos);
}

// The open slab of 2 m clear span with a 30 cm slab: the stirrup grades are those of the file's edition.
TEST(CliEdition, StirrupGradesAreThoseOfTheFilesEdition) {
    const std::string file = exampleOfEdition({{2, "0"},
                                               {3, "1"},
                                               {13, "HRB400"},
                                               {14, "20"},
                                               {15, "12"},
                                               {39, "30"},
                                               {40, "30"},
                                               {43, "2"},
                                               {44, "0.25"},
                                               {46, "2.25"}},
                                              "2018", "2", "tavrel_cli_2018_stirrups.tvrl");
    const CliRun run = runCli("calc --json --stirrup HPB300,10,10 " + file);
    ASSERT_EQ(run.exitCode, 0);
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_TRUE(j["stirrupDialogOpened"].get<bool>());
    EXPECT_EQ(j["stirrup"]["txtJLKL"], "288.67");
    EXPECT_EQ(j["results"]["fsv"], 250);
    EXPECT_TRUE(j["verdicts"]["Label34"]["passed"].get<bool>());
    EXPECT_EQ(j["display"]["txtJLKL"], "288.67");
    EXPECT_EQ(runCli("calc --json --stirrup R235,10,10 " + file).exitCode, 2);
}

}  // namespace
