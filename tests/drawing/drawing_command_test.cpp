// The drawing command, run in the process through the tool's entry point: the outputs chosen by the
// extension, the exit codes, the refusals of the output rules and the bytes of the worked examples, each
// row of data/drawing_cases.json with its expected outcome.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "temporary_folder.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using tavrel::test::readFile;
using tavrel::test::sourcePath;
using tavrel::test::TemporaryFolder;

const Json& cases() {
    static const Json all = Json::parse(readFile(sourcePath("tests/drawing/data/drawing_cases.json")));
    return all;
}

std::string dataFile(const std::string& name) {
    return sourcePath("tests/drawing/data/" + name);
}

struct CommandRun {
    int exit = -1;
    std::string out;
    std::string err;
};

class DrawingCommand : public ::testing::TestWithParam<Json> {
  protected:
    // The case's placeholders: the worked inputs, a copy of the default record and the output folder.
    std::string expand(std::string text) const {
        const std::pair<std::string, std::string> places[] = {
            {"{default}", sourcePath("examples/default.tvrl")},
            {"{m2}", dataFile("open_2018_m2.tvrl")},
            {"{m3}", dataFile("open_2018_m3.tvrl")},
            {"{project}", dataFile("default_2004_project.tvrl")},
            {"{copy}", m_folder.file("copy.svg")},
            {"{out}", m_folder.path()},
        };
        for (const auto& [place, value] : places) {
            for (auto at = text.find(place); at != std::string::npos; at = text.find(place)) {
                text.replace(at, place.size(), value);
            }
        }
        return text;
    }

    CommandRun run(const Json& row) const {
        fs::copy_file(sourcePath("examples/default.tvrl"), m_folder.file("copy.svg"));
        if (row.contains("folder")) {
            fs::create_directory(expand(row["folder"]));
        }
        std::vector<std::string> args;
        for (const Json& arg : row["args"]) {
            args.push_back(expand(arg));
        }
        std::ostringstream out;
        std::ostringstream err;
        CommandRun result;
        result.exit = tavrel::cli::run(args, out, err);
        result.out = out.str();
        result.err = err.str();
        return result;
    }

    TemporaryFolder m_folder;
};

TEST_P(DrawingCommand, answersWithItsExitCodeOutputsAndMessages) {
    const Json& row = GetParam();
    const CommandRun result = run(row);
    EXPECT_EQ(result.exit, row["exit"].get<int>()) << result.err;
    if (row.contains("stderr")) {
        EXPECT_NE(result.err.find(row["stderr"].get<std::string>()), std::string::npos) << result.err;
    }
    if (row.value("stderrEmpty", false)) {
        EXPECT_EQ(result.err, "");
    }
    if (row.contains("stdoutJson")) {
        EXPECT_EQ(Json::parse(result.out), Json::parse(readFile(dataFile(row["stdoutJson"]))));
    }
    if (row.contains("bytes")) {
        EXPECT_EQ(readFile(expand(row["written"])), readFile(dataFile(row["bytes"])));
    }
    if (row.contains("holds")) {
        const std::string written = readFile(expand(row["written"]));
        const Json& holds = row["holds"];
        for (const Json& text : holds.is_array() ? holds : Json::array({holds})) {
            EXPECT_NE(written.find(text.get<std::string>()), std::string::npos) << text;
        }
    }
    if (row.contains("json")) {
        EXPECT_EQ(Json::parse(readFile(expand(row["writtenJson"]))),
                  Json::parse(readFile(dataFile(row["json"]))));
    }
    if (row.contains("notWritten")) {
        EXPECT_FALSE(fs::exists(expand(row["notWritten"])));
    }
    if (row.contains("folder")) {
        EXPECT_TRUE(fs::is_directory(expand(row["folder"])));
    }
    EXPECT_EQ(readFile(m_folder.file("copy.svg")), readFile(sourcePath("examples/default.tvrl")));
}

std::vector<Json> commandCases() {
    const Json& rows = cases()["commands"];
    return {rows.begin(), rows.end()};
}

std::string caseName(const ::testing::TestParamInfo<Json>& info) {
    return "case" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawingCommand, ::testing::ValuesIn(commandCases()), caseName);

}  // namespace
