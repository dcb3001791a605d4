// The design and table commands, run as a separate program: the design and its files, the table in every
// format read back by independent readers, and bad requests that write nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_run.h"
#include "platform/process.h"
#include "temporary_folder.h"

namespace {

using tavrel::test::CliRun;
using tavrel::test::editedExample;
using tavrel::test::exampleFile;
using tavrel::test::exampleOfEdition;
using tavrel::test::readFile;
using tavrel::test::runCli;
using tavrel::test::TemporaryFolder;
using Json = nlohmann::json;

// What openpyxl or python-docx reads in a table file.
Json readWithPython(const std::string& path) {
    const std::string script = tavrel::test::sourcePath("tests/cli/table_file_as_json.py");
    return Json::parse(tavrel::test::runCommand({"/usr/bin/python3", script, path}).out);
}

// The readers are Linux programs; under Windows the test stage reads the files back on the Linux side.
constexpr const char* kReadersAreLinuxPrograms = "python3 with openpyxl and python-docx runs on Linux only";

std::vector<std::string> csvRows(const std::string& csv) {
    std::vector<std::string> rows;
    for (std::size_t start = 0; start < csv.size();) {
        const std::size_t end = csv.find("\r\n", start);
        rows.push_back(csv.substr(start, end - start));
        start = end + 2;
    }
    return rows;
}

std::vector<std::string> csvFields(const std::string& row) {
    std::vector<std::string> fields(1);
    for (char ch : row) {
        if (ch == ',') {
            fields.emplace_back();
        } else {
            fields.back().push_back(ch);
        }
    }
    return fields;
}

TEST(DesignCommand, JsonOfTheExampleHoldsTheThinnestDesignAndItsUtilisations) {
    const CliRun run = runCli("design --json " + exampleFile());
    ASSERT_EQ(run.exitCode, 0);
    const Json j = Json::parse(run.out);
    EXPECT_TRUE(j["found"].get<bool>());
    EXPECT_TRUE(j["message"].is_null());
    EXPECT_EQ(
        j["design"],
        (Json{
            {"txtBDH", "96"}, {"txtBZH", "101"}, {"CboZJZJ", "22"}, {"txtZJGS", "18"}, {"txtJSKJ", "3.8"}}));
    // 0.99 m × 4.1 m × (96 + 101)/2 cm and 18 bars of 3.801 cm² over 4.04 m.
    EXPECT_TRUE(tavrel::test::near(j["quantities"]["concreteM3"].get<double>(), 0.99 * 4.1 * 0.985, 1e-6));
    EXPECT_TRUE(
        tavrel::test::near(j["quantities"]["steelKg"].get<double>(), 18 * 3.801e-4 * 4.04 * 7850, 1e-6));
    for (const char* check : {"compressionZone", "minimumReinforcement", "flexure", "crackWidth", "shear"}) {
        EXPECT_LE(j["utilisation"][check].get<double>(), 1.0) << check;
    }
    EXPECT_GT(j["utilisation"]["shear"].get<double>(), 0.99);  // the shear governs the thinnest slab
    EXPECT_GT(j["candidatesEvaluated"].get<int>(), 0);
}

// The design follows the edition of its file: the same HRB400 record designs to another slab under the
// 2018 pair (γ0 1.0, vehicle factor 1.8, crack width with ρte) than under the 2004 pair.
TEST(DesignCommand, A2018FileDesignsUnderItsEdition) {
    const std::string under2004 = editedExample({{13, "HRB400"}}, "tavrel_design_2004_hrb400.tvrl");
    const std::string under2018 =
        exampleOfEdition({{13, "HRB400"}}, "2018", "2", "tavrel_design_2018_hrb400.tvrl");
    const CliRun run2004 = runCli("design --json " + under2004);
    const CliRun run2018 = runCli("design --json " + under2018);
    ASSERT_EQ(run2004.exitCode, 0);
    ASSERT_EQ(run2018.exitCode, 0);
    const Json design2004 = Json::parse(run2004.out)["design"];
    const Json design2018 = Json::parse(run2018.out)["design"];
    EXPECT_EQ(
        design2018,
        (Json{
            {"txtBDH", "107"}, {"txtBZH", "112"}, {"CboZJZJ", "16"}, {"txtZJGS", "19"}, {"txtJSKJ", "3.8"}}));
    EXPECT_NE(design2004["txtBDH"], design2018["txtBDH"]);
    EXPECT_EQ(Json::parse(run2018.out)["utilisation"]["shearRatio"], "γ0Vd/Vc");
}

// With a typed tensile strength of 5 MPa the upper limit of the section governs the shear utilisation:
// the printed line and the JSON say so.
TEST(DesignCommand, TheShearUtilisationSaysWhenTheUpperLimitGoverns) {
    const std::string file =
        exampleOfEdition({{11, "1"}, {12, "5"}, {13, "HRB400"}}, "2018", "2", "tavrel_design_2018_ftd5.tvrl");
    const CliRun text = runCli("design " + file);
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("  γ0Vd/Vmax\t0.71\t斜截面抗剪承载力\n"), std::string::npos) << text.out;
    const Json j = Json::parse(runCli("design --json " + file).out);
    EXPECT_EQ(j["utilisation"]["shearRatio"], "γ0Vd/Vmax");
    EXPECT_EQ(j["design"]["txtBDH"], "48");
}

TEST(DesignCommand, WrittenDesignOpensAndRecalculatesWithEveryCheckPassedAndItsReportIsWritten) {
    TemporaryFolder folder;
    const CliRun run = runCli("design " + exampleFile() + " --objective cheapest -o " +
                              folder.file("d.tvrl") + " --report " + folder.file("d.docx"));
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("造价 (元/块)"), std::string::npos);
    EXPECT_NE(run.out.find("分布钢筋未设计"), std::string::npos);
    const CliRun recalculated = runCli("calc --json " + folder.file("d.tvrl"));
    ASSERT_EQ(recalculated.exitCode, 0);
    const Json verdicts = Json::parse(recalculated.out)["verdicts"];
    ASSERT_EQ(verdicts.size(), 5u);
    for (const auto& [label, verdict] : verdicts.items()) {
        EXPECT_TRUE(verdict["passed"].get<bool>()) << label;
    }
    EXPECT_EQ(readFile(folder.file("d.docx")).substr(0, 2), "PK");
}

TEST(DesignCommand, NoPassingDesignExitsThreeWithItsReasonAndWritesNothing) {
    TemporaryFolder folder;
    const CliRun run =
        runCli("design --json " + exampleFile() + " --thickness 20:40 -o " + folder.file("d.tvrl"));
    EXPECT_EQ(run.exitCode, 3);
    const Json j = Json::parse(run.out);
    EXPECT_FALSE(j["found"].get<bool>());
    EXPECT_TRUE(j["design"].is_null());
    EXPECT_EQ(j["message"].get<std::string>().rfind("板端厚至40 cm 仍不满足", 0), 0u);
    EXPECT_TRUE(folder.entries().empty());
}

TEST(DesignCommands, BadRequestsGiveAMessageExitTwoAndWriteNothing) {
    const std::string open = editedExample({{2, "0"}, {3, "1"}}, "tavrel_design_open.tvrl");
    const std::string table = "table " + exampleFile() + " --spans 1:3:1 ";
    const std::vector<std::string> cases = {
        "design " + exampleFile() + " --thickness 60:50",
        "design " + exampleFile() + " --thickness 20.5:60",
        "design " + exampleFile() + " --diameters 16,24",
        "design " + exampleFile() + " --objective fastest",
        "design " + exampleFile() + " --prices 0,5",
        "design " + exampleFile() + " --prices 600",
        "table " + exampleFile() + " --spans 6:1:0.5",
        "table " + exampleFile() + " --spans 1:6:0",
        "table " + exampleFile() + " --spans 1:6:-0.5",
        "table " + exampleFile() + " --spans 0:6:0.5",
        "table " + exampleFile() + " --spans -1:6:0.5",
        "table " + exampleFile() + " --spans 1:6",
        table + "--fills 0.4:2:0.5",
        table + "--fills 2:1:0.5",
        table + "--diameters 16,24",
        table + "--threads 0",
        "table " + open + " --spans 1:3:1 --fills 1:2:1",
    };
    for (const std::string& arguments : cases) {
        TemporaryFolder folder;
        const bool designs = arguments.starts_with("design");
        const CliRun run = runCli(arguments + " -o " + folder.file(designs ? "d.tvrl" : "t.csv"), true);
        EXPECT_EQ(run.exitCode, 2) << arguments << "\n" << run.out;
        EXPECT_FALSE(run.out.empty()) << arguments;
        EXPECT_TRUE(folder.entries().empty()) << arguments;
    }
    TemporaryFolder folder;
    EXPECT_EQ(runCli(table + "-o " + folder.file("t.txt")).exitCode, 2);
    EXPECT_TRUE(folder.entries().empty());
}

TEST(DesignCommands, OutputThatNamesTheInputFileIsRefusedAndTheInputKept) {
    TemporaryFolder folder;
    const std::string input = folder.file("in.tvrl");
    const std::string csvNamedInput = folder.file("in.csv");  // an input file may have any name
    const std::vector<std::pair<std::string, std::string>> cases = {
        {input, "design " + input + " -o " + input},
        {input, "design " + input + " --report " + folder.path() + "/./in.tvrl"},
        {csvNamedInput, "table " + csvNamedInput + " --spans 1:2:1 -o " + csvNamedInput},
    };
    for (const auto& [file, arguments] : cases) {
        tavrel::test::writeFile(file, readFile(exampleFile()));
        const CliRun run = runCli(arguments, true);
        EXPECT_EQ(run.exitCode, 1) << arguments;
        EXPECT_NE(run.out.find("输出文件不能替换输入文件"), std::string::npos) << run.out;
        EXPECT_EQ(readFile(file), readFile(exampleFile())) << arguments;
    }
}

// Spans 2, 2.5 and 3 m under fills of 1 and 2 m.
std::string smallTable(const std::string& output, const std::string& extra = "") {
    return "table " + exampleFile() + " --spans 2:3:0.5 --fills 1:2:1 --thickness 15:80 " + extra + " -o " +
           output;
}

TEST(TableCommand, CsvHasAHeadingRowWithUnitsAndOneRowOfDesignsPerSpan) {
    TemporaryFolder folder;
    ASSERT_EQ(runCli(smallTable(folder.file("t.csv"))).exitCode, 0);
    const std::string csv = readFile(folder.file("t.csv"));
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const std::vector<std::string> rows = csvRows(csv.substr(3));
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(csvFields(rows[0]), (std::vector<std::string>{"", "填土高 H = 1 m", "", "", "", "", "",
                                                            "填土高 H = 2 m", "", "", "", "", ""}));
    const std::vector<std::string> headings = csvFields(rows[1]);
    EXPECT_EQ(headings[0], "净跨径 L0 (m)");
    EXPECT_EQ(std::vector<std::string>(headings.begin() + 1, headings.begin() + 7),
              (std::vector<std::string>{"板端厚/板中厚 d1/d2 (cm)", "主筋 根数Φ直径 (mm)", "主筋间距 (mm)",
                                        "混凝土 (m³/块)", "主筋 (kg/块)", "控制验算"}));
    EXPECT_EQ(csvFields(rows[2])[0], "2");
    EXPECT_EQ(csvFields(rows[3])[0], "2.5");
    // The cell of span 2.5 m and fill 2 m is the design of that record.
    const std::string record = editedExample({{23, "2"}, {43, "2.5"}}, "tavrel_table_cell.tvrl");
    const Json single = Json::parse(runCli("design --json --thickness 15:80 " + record).out)["design"];
    const std::vector<std::string> cell = csvFields(rows[3]);
    EXPECT_EQ(cell[7], single["txtBDH"].get<std::string>() + "/" + single["txtBZH"].get<std::string>());
    EXPECT_EQ(cell[8], single["txtZJGS"].get<std::string>() + "Φ" + single["CboZJZJ"].get<std::string>());
}

TEST(TableCommand, OutputIsTheSameWithOneAndWithTwoThreads) {
    for (const char* name : {"t.csv", "t.json"}) {
        TemporaryFolder folder;
        ASSERT_EQ(runCli(smallTable(folder.file(std::string("1") + name), "--threads 1")).exitCode, 0);
        ASSERT_EQ(runCli(smallTable(folder.file(std::string("2") + name), "--threads 2")).exitCode, 0);
        EXPECT_EQ(readFile(folder.file(std::string("1") + name)),
                  readFile(folder.file(std::string("2") + name)));
    }
}

TEST(TableCommand, WorkbookReadsBackWithOpenpyxlWithFrozenHeadingsUnitsAndTheCodeEdition) {
    if (tavrel::platform::kWindows) {
        GTEST_SKIP() << kReadersAreLinuxPrograms;
    }
    TemporaryFolder folder;
    ASSERT_EQ(runCli(smallTable(folder.file("t.xlsx"))).exitCode, 0);
    ASSERT_EQ(runCli(smallTable(folder.file("t.csv"))).exitCode, 0);
    const Json book = readWithPython(folder.file("t.xlsx"));
    EXPECT_EQ(book["sheets"], (Json{"设计", "数量", "输入与规范"}));
    EXPECT_EQ(book["freeze"]["设计"], "B3");
    EXPECT_EQ(book["freeze"]["数量"], "B3");
    const Json& designs = book["rows"]["设计"];
    const Json& quantities = book["rows"]["数量"];
    EXPECT_EQ(designs[0][0], "净跨径 L0 (m)");
    EXPECT_EQ(designs[0][5], "填土高 H = 2 m");
    EXPECT_EQ(designs[1][3], "主筋间距 (mm)");
    EXPECT_EQ(quantities[1][1], "混凝土 (m³/块)");
    EXPECT_EQ(quantities[1][2], "主筋 (kg/块)");
    EXPECT_EQ(book["formats"]["数量"][2][1], "0.00");
    EXPECT_NE(quantities.dump().find("分布钢筋未设计"), std::string::npos);
    // The same designs and numbers as the text table.
    const std::vector<std::string> csv = csvRows(readFile(folder.file("t.csv")).substr(3));
    for (std::size_t span = 0; span < 3; ++span) {
        const std::vector<std::string> fields = csvFields(csv[span + 2]);
        EXPECT_EQ(designs[span + 2][0].get<double>(), std::stod(fields[0]));
        EXPECT_EQ(designs[span + 2][1], fields[1]);
        EXPECT_EQ(designs[span + 2][2], fields[2]);
        EXPECT_EQ(quantities[span + 2][1].get<double>(), std::stod(fields[4]));
        EXPECT_EQ(quantities[span + 2][2].get<double>(), std::stod(fields[5]));
    }
    const Json& inputs = book["rows"]["输入与规范"];
    EXPECT_EQ(inputs[0], (Json{"设计规范", "JTG D60-2004  JTG D62-2004"}));
    EXPECT_NE(inputs.dump().find("填土高(m)"), std::string::npos);  // the record, line by line
}

// The table designs every cell under the edition of its file, and its third sheet names the pair.
TEST(TableCommand, A2018FileGivesATableUnderThe2018Pair) {
    if (tavrel::platform::kWindows) {
        GTEST_SKIP() << kReadersAreLinuxPrograms;
    }
    TemporaryFolder folder;
    const std::string file2018 =
        exampleOfEdition({{13, "HRB400"}}, "2018", "2", "tavrel_table_2018_hrb400.tvrl");
    const std::string arguments = " --spans 2:3:0.5 --fills 1:2:1 --thickness 15:80 -o ";
    ASSERT_EQ(runCli("table " + file2018 + arguments + folder.file("t.xlsx")).exitCode, 0);
    const Json book = readWithPython(folder.file("t.xlsx"));
    EXPECT_EQ(book["rows"]["输入与规范"][0], (Json{"设计规范", "JTG D60-2015  JTG 3362-2018"}));
    // The cell of span 2.5 m and fill 2 m is the design of that record under the 2018 pair.
    const std::string record = exampleOfEdition({{13, "HRB400"}, {23, "2"}, {43, "2.5"}}, "2018", "2",
                                                "tavrel_table_2018_cell.tvrl");
    const Json single = Json::parse(runCli("design --json --thickness 15:80 " + record).out)["design"];
    const Json& cell = book["rows"]["设计"][3];  // the fill of 2 m from column 5 on
    EXPECT_EQ(cell[5], single["txtBDH"].get<std::string>() + "/" + single["txtBZH"].get<std::string>());
    EXPECT_EQ(cell[6], single["txtZJGS"].get<std::string>() + "Φ" + single["CboZJZJ"].get<std::string>());
}

TEST(TableCommand, DocumentIsLandscapeWithItsInputsTheTableAndTheNotes) {
    if (tavrel::platform::kWindows) {
        GTEST_SKIP() << kReadersAreLinuxPrograms;
    }
    TemporaryFolder folder;
    ASSERT_EQ(runCli(smallTable(folder.file("t.docx"))).exitCode, 0);
    const Json doc = readWithPython(folder.file("t.docx"));
    EXPECT_TRUE(doc["landscape"].get<bool>());
    ASSERT_EQ(doc["tables"].size(), 2u);  // the fixed inputs, then the designs
    EXPECT_EQ(doc["tables"][0][0][0], "设计规范");
    const Json& designs = doc["tables"][1];
    EXPECT_EQ(designs.size(), 5u);  // legend, headings, three spans
    EXPECT_EQ(designs[1], (Json{"净跨径 L0 (m)", "填土高 H = 1 m", "填土高 H = 2 m"}));
    EXPECT_EQ(designs[3][0], "2.5");
    EXPECT_NE(doc["paragraphs"].dump().find("分布钢筋未设计"), std::string::npos);
}

TEST(TableCommand, OpenSlabHasOneRowPerSpanAndOneColumnGroup) {
    TemporaryFolder folder;
    const std::string open = editedExample({{2, "0"}, {3, "1"}}, "tavrel_table_open.tvrl");
    ASSERT_EQ(runCli("table " + open + " --spans 1:2:0.5 -o " + folder.file("t.csv")).exitCode, 0);
    const std::vector<std::string> rows = csvRows(readFile(folder.file("t.csv")).substr(3));
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(csvFields(rows[0])[1], "明涵盖板");
    EXPECT_EQ(csvFields(rows[4]).size(), 7u);
}

}  // namespace
