// The project information in the input file, case by case from tests/model/data/project_lines.json: the
// values a field refuses, records written and read back, project blocks with damaged lines, and what a
// reader written before the project block existed makes of a file that has one.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "model/gbk.h"
#include "model/project_info.h"
#include "model/tvrl.h"
#include "test_support.h"
#include "tvrl_bytes.h"

namespace tavrel {
namespace {

using nlohmann::json;

const json& cases() {
    static const json table = [] {
        std::ifstream file(test::sourcePath("tests/model/data/project_lines.json"), std::ios::binary);
        return json::parse(file);
    }();
    return table;
}

ProjectInfo projectOf(const json& values) {
    ProjectInfo info;
    for (const auto& [key, value] : values.items()) {
        const ProjectField* field = findProjectField(key);
        EXPECT_NE(field, nullptr) << key;
        if (field != nullptr) {
            info.*field->member = value.get<std::string>();
        }
    }
    return info;
}

ReportFormat formatOf(const json& text) {
    return text.get<std::string>() == "full" ? ReportFormat::Full : ReportFormat::Original;
}

DesignInput recordOf(const json& c) {
    DesignInput input;
    if (c.at("edition").get<int>() == 2018) {
        DesignInputTarget(input).selectEdition(Edition::Jtg2018);
    }
    input.project = projectOf(c.at("project"));
    input.reportFormat = formatOf(c.at("format"));
    return input;
}

// The reading rule of the program before the project block: lines 1..49 by position, each value its
// first ten characters without blanks, everything after line 49 never looked at; line 48 empty is the
// 2004 edition, "2018" the 2018 edition, anything else a mark it does not know (it says so).
struct OldReading {
    std::vector<std::string> values;
    bool editionRecognised = false;
};

OldReading readAsBefore(const std::string& bytes) {
    constexpr std::size_t kLinesKnown = 49;
    constexpr int kValueCharacters = 10;
    OldReading reading;
    std::vector<std::string> lines = test::crLfLines(bytes);
    lines.resize(kLinesKnown);
    for (const std::string& line : lines) {
        std::string value = gbk::decode(line, kValueCharacters);
        value.erase(0, value.find_first_not_of(' '));
        value.erase(value.find_last_not_of(' ') + 1);
        reading.values.push_back(value);
    }
    reading.editionRecognised = reading.values[47].empty() || reading.values[47] == "2018";
    return reading;
}

std::string gbkLine(const std::string& line) {
    constexpr std::string_view kRawPrefix = "hex:";
    if (!line.starts_with(kRawPrefix)) {
        return *gbk::encode(line);
    }
    std::string bytes;
    for (std::size_t index = kRawPrefix.size(); index + 1 < line.size(); index += 2) {
        bytes.push_back(static_cast<char>(std::stoi(line.substr(index, 2), nullptr, 16)));
    }
    return bytes;
}

TEST(ProjectLines, ValueTypedForAFieldIsStoredOrRefusedNamingTheFieldTheLimitOrTheCharacter) {
    for (const json& c : cases().at("valueProblems")) {
        const std::string value = c.at("value");
        SCOPED_TRACE(c.at("key").get<std::string>() + " = " + value);
        const ProjectField* field = findProjectField(c.at("key").get<std::string>());
        ASSERT_NE(field, nullptr);
        const auto problem = projectValueProblem(*field, value);
        if (c.at("problem").is_null()) {
            EXPECT_FALSE(problem) << *problem;
        } else {
            ASSERT_TRUE(problem);
            EXPECT_NE(problem->find(c.at("problem").get<std::string>()), std::string::npos) << *problem;
        }
    }
}

TEST(ProjectLines, RecordIsReadBackExactlyWithItsLineCount) {
    for (const json& c : cases().at("records")) {
        SCOPED_TRACE(c.at("name").get<std::string>());
        const DesignInput record = recordOf(c);
        const auto bytes = tvrl::write(record);
        ASSERT_TRUE(bytes) << bytes.error().message;
        EXPECT_EQ(test::crLfLines(*bytes).size(), c.at("lineCount").get<std::size_t>());
        const test::AppliedBytes read = test::appliedBytes(*bytes);
        EXPECT_EQ(read.input, record);
        EXPECT_TRUE(read.messages.empty());
    }
}

TEST(ProjectLines, RecordWithoutInformationIsTheFileOfTheDesignAlone) {
    for (const json& c : cases().at("records")) {
        SCOPED_TRACE(c.at("name").get<std::string>());
        DesignInput record = recordOf(c);
        const std::string withBlock = *tvrl::write(record);
        record.project = {};
        record.reportFormat = ReportFormat::Original;
        const std::string designOnly = *tvrl::write(record);
        EXPECT_TRUE(withBlock.starts_with(designOnly));
    }
}

TEST(ProjectLines, ReaderBeforeTheBlockReadsTheSameDesignAndEdition) {
    for (const json& c : cases().at("records")) {
        SCOPED_TRACE(c.at("name").get<std::string>());
        DesignInput record = recordOf(c);
        const OldReading withBlock = readAsBefore(*tvrl::write(record));
        record.project = {};
        record.reportFormat = ReportFormat::Original;
        const OldReading designOnly = readAsBefore(*tvrl::write(record));
        EXPECT_EQ(withBlock.values, designOnly.values);
        EXPECT_TRUE(withBlock.editionRecognised);
    }
}

TEST(ProjectLines, DamagedOrUnknownLinesAreIgnoredAndToldOnceWhileTheDesignOpens) {
    const std::string design = *tvrl::write(DesignInput{});
    for (const json& c : cases().at("tails")) {
        SCOPED_TRACE(c.at("name").get<std::string>());
        std::string bytes = design + "\r\n\r\n";  // lines 48 and 49 empty: the 2004 edition
        for (const json& line : c.at("lines")) {
            bytes += gbkLine(line.get<std::string>()) + "\r\n";
        }
        const test::AppliedBytes read = test::appliedBytes(bytes);
        DesignInput expected;
        expected.project = projectOf(c.at("project"));
        expected.reportFormat = formatOf(c.at("format"));
        EXPECT_EQ(read.input, expected);
        const std::vector<int> ignored = c.at("ignored");
        ASSERT_EQ(read.messages.size(), ignored.empty() ? 0u : 1u);
        for (const int line : ignored) {
            EXPECT_NE(read.messages[0].find(std::to_string(line)), std::string::npos) << read.messages[0];
        }
    }
}

TEST(ProjectLines, WriterRefusesAValueGbkCannotHoldNamingItsTerm) {
    DesignInput record;
    record.project.company = "甲😀乙";
    const auto bytes = tvrl::write(record);
    ASSERT_FALSE(bytes);
    EXPECT_NE(bytes.error().message.find("设计单位：“😀”"), std::string::npos) << bytes.error().message;
}

}  // namespace
}  // namespace tavrel
