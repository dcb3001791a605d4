// tavrel-cli project: values written into an input file without touching its design lines, refused values
// that leave the file as it was, the project block of calc --json, and the full report from the command
// line. Cases in tests/cli/data/project_commands.json.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_run.h"
#include "zip_entries.h"

namespace tavrel {
namespace {

using nlohmann::json;

const json& cases() {
    static const json table = [] {
        std::ifstream file(test::sourcePath("tests/cli/data/project_commands.json"), std::ios::binary);
        return json::parse(file);
    }();
    return table;
}

using Arguments = std::vector<std::string>;

// `project PATH --set KEY=VALUE ...` with every setting of the case table.
Arguments setCommand(const std::string& path) {
    Arguments arguments = {"project", path};
    for (const auto& [key, value] : cases().at("settings").items()) {
        arguments.insert(arguments.end(), {"--set", key + "=" + value.get<std::string>()});
    }
    return arguments;
}

TEST(ProjectCli, SetWritesTheValuesAndKeepsEveryDesignByte) {
    for (const std::string edition : {"", "2018"}) {
        SCOPED_TRACE(edition.empty() ? "2004" : edition);
        const std::string path = edition.empty()
                                     ? test::editedExample({}, "project-set-2004.tvrl")
                                     : test::exampleOfEdition({}, "2018", "1", "project-set-2018.tvrl");
        const std::string before = test::readFile(path);
        ASSERT_EQ(test::runCli(setCommand(path)).exitCode, 0);
        const std::string after = test::readFile(path);
        EXPECT_EQ(after.substr(0, before.size()), before);
        const test::CliRun printed = test::runCli(Arguments{"project", path, "--json"});
        ASSERT_EQ(printed.exitCode, 0);
        const json project = json::parse(printed.out);
        for (const auto& [key, value] : cases().at("settings").items()) {
            EXPECT_EQ(project.at(key), value) << key;
        }
        const json calculated = json::parse(test::runCli(Arguments{"calc", path, "--json"}).out);
        EXPECT_EQ(calculated.at("project"), project);
        EXPECT_EQ(calculated.at("results").contains("edition"), !edition.empty());
    }
}

TEST(ProjectCli, CalcJsonHasNoProjectBlockForAFileWithout) {
    const json calculated = json::parse(test::runCli(Arguments{"calc", test::exampleFile(), "--json"}).out);
    EXPECT_FALSE(calculated.contains("project"));
}

TEST(ProjectCli, RefusedValueLeavesTheFileAsItWas) {
    for (const json& c : cases().at("refusals")) {
        SCOPED_TRACE(c.at("args").dump());
        const std::string path = test::editedExample({}, "project-refused.tvrl");
        Arguments arguments = {"project", path};
        for (const json& argument : c.at("args")) {
            arguments.push_back(argument.get<std::string>());
        }
        const std::string before = test::readFile(path);
        const test::CliRun run = test::runCli(arguments, true);
        EXPECT_EQ(run.exitCode, c.at("exitCode").get<int>());
        EXPECT_NE(run.out.find(c.at("message").get<std::string>()), std::string::npos) << run.out;
        EXPECT_EQ(test::readFile(path), before);
    }
}

TEST(ProjectCli, FullReportPrintsTheIssueDateAsText) {
    const std::string path = test::editedExample({}, "project-full.tvrl");
    ASSERT_EQ(test::runCli(setCommand(path)).exitCode, 0);
    test::TemporaryFolder folder;
    const std::string docx = folder.file("full.docx");
    ASSERT_EQ(
        test::runCli(Arguments{"report", path, "-o", docx, "--full", "--issue-date", "2025-01-02"}).exitCode,
        0);
    test::Package package = test::unzip(docx);
    EXPECT_NE(package["word/document.xml"].find("出具日期：2025-01-02"), std::string::npos);
    EXPECT_EQ(package["word/document.xml"].find(" DATE "), std::string::npos);
    EXPECT_EQ(test::runCli(Arguments{"report", path, "-o", docx, "--issue-date", "2025-01-02"}).exitCode, 2);
}

}  // namespace
}  // namespace tavrel
