// The parts of the written report a user sees, against reviewed copies in tests/report/data/golden: the
// reports of the three slab types' default input and of a failing design with its stirrup check, under
// JTG D60-2004 + JTG D62-2004 and under JTG D60-2015 + JTG 3362-2018 (there with a section too small for the
// shear), calculated as the window calculates them and written at a fixed moment. A part that differs is
// written beside its reference as NAME.out.xml and the first differing line is shown; TAVREL_UPDATE_GOLDEN=1
// rewrites the references for a reviewed change.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "calc/calculate.h"
#include "calc/stirrup.h"
#include "calc/worked_inputs_2018.h"
#include "platform/files.h"
#include "report/docx_writer.h"
#include "report/report_builder.h"
#include "temporary_folder.h"
#include "test_support.h"
#include "zip_entries.h"

namespace tavrel {
namespace {

const std::string kGoldenFolder = test::sourcePath("tests/report/data/golden");
const std::string kFigures = test::sourcePath("tests/report/data/计算书图例");

// 6 May 2024, 12:00 UTC: the document properties and the date shown in the header.
const auto kFixedMoment = std::chrono::sys_days{std::chrono::year{2024} / 5 / 6} + std::chrono::hours{12};

// Package part -> file name of its reference.
const std::pair<const char*, const char*> kGoldenParts[] = {
    {"word/document.xml", "document.xml"}, {"word/styles.xml", "styles.xml"},
    {"word/header1.xml", "header1.xml"},   {"word/footer1.xml", "footer1.xml"},
    {"docProps/core.xml", "core.xml"},
};

// The header shows the local date of the moment; the zone is pinned so that the date is the same on
// every machine. The zone in effect before is restored afterwards.
class UtcZone {
  public:
    UtcZone() {
        if (const char* zone = std::getenv("TZ")) {
            m_previous = zone;
        }
        platform::setTimeZone("UTC0");
    }
    ~UtcZone() { platform::setTimeZone(m_previous); }
    UtcZone(const UtcZone&) = delete;
    UtcZone& operator=(const UtcZone&) = delete;

  private:
    std::optional<std::string> m_previous;
};

struct StirrupChoice {
    const char* grade;
    const char* diameter;
    const char* spacing;
};

struct GoldenCase {
    const char* folder;
    std::function<DesignInput()> input;
    std::optional<StirrupChoice> stirrups;  // typed into the stirrup dialog when the shear check opens it
};

DesignInput defaultInput(SlabType type) {
    DesignInput input;
    input.slabType = type;
    return input;
}

// 30 m of fill on the default slab with four 16 mm bars: minimum reinforcement, flexure, crack width and
// shear fail; R235 stirrups of 8 mm at 40 cm do not carry the shear either.
DesignInput failingInput() {
    DesignInput input;
    input.txtTTG = "30";
    input.CboZJZJ = "16";
    input.txtZJGS = "4";
    return input;
}

const GoldenCase kCases[] = {
    {"buried-default", [] { return defaultInput(SlabType::Buried); }, std::nullopt},
    {"open-default", [] { return defaultInput(SlabType::Open); }, std::nullopt},
    {"custom-default", [] { return defaultInput(SlabType::Custom); }, std::nullopt},
    {"buried-failing-with-stirrups", failingInput, StirrupChoice{"R235", "8", "40"}},
    {"buried-default-2018", test::buriedDefault2018, std::nullopt},
    {"open-default-2018", [] { return test::withSlabType(test::under2018(), SlabType::Open); }, std::nullopt},
    {"custom-default-2018", [] { return test::withSlabType(test::under2018(), SlabType::Custom); },
     std::nullopt},
    {"buried-2018-section-too-small-for-shear", test::sectionTooSmallForShear2018, std::nullopt},
};

// The results record and the report as the window leaves them: calculate, then the stirrup dialog.
ReportDocument reportOf(const GoldenCase& c) {
    const DesignInput input = c.input();
    CalculationResults r;
    initialiseCrackWidthFactors(r);
    recordConcreteGrade(r, input.CboHNTDJ);
    const Expected<CalculateOutcome, Refusal> calculated = runCalculateCommand(input, r);
    EXPECT_TRUE(calculated);
    const CalculateOutcome outcome = calculated ? *calculated : CalculateOutcome{};
    EXPECT_EQ(outcome.opensStirrupDialog, c.stirrups.has_value())
        << "the case no longer covers what it names";
    StirrupCheck stirrupCheck = StirrupCheck::NotDone;
    if (outcome.opensStirrupDialog && c.stirrups) {
        StirrupDesign dialog(r);
        dialog.load();
        dialog.selectGrade(c.stirrups->grade);
        dialog.selectDiameter(c.stirrups->diameter);
        EXPECT_TRUE(dialog.press(c.stirrups->spacing, input.CboHNTDJ));
        stirrupCheck = dialog.hasCurrentCapacity() ? StirrupCheck::Current : StirrupCheck::NotDone;
    }
    return buildReport(r, stirrupCheck, kFigures);
}

// One tag a line, so that a reference reads and diffs line by line; text between tags is left as it is. The
// writer puts no line break between tags of its own (only after the XML declaration), so no difference of
// the written bytes is lost.
std::string tagPerLine(const std::string& xml) {
    std::string lines;
    lines.reserve(xml.size() + xml.size() / 16);
    for (std::size_t index = 0; index < xml.size(); ++index) {
        lines += xml[index];
        if (xml[index] == '>' && index + 1 < xml.size() && xml[index + 1] == '<') {
            lines += '\n';
        }
    }
    return lines;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string firstDifference(const std::string& reference, const std::string& written) {
    const std::vector<std::string> expected = splitLines(reference);
    const std::vector<std::string> actual = splitLines(written);
    std::size_t line = 0;
    while (line < expected.size() && line < actual.size() && expected[line] == actual[line]) {
        ++line;
    }
    auto at = [line](const std::vector<std::string>& lines) {
        return line < lines.size() ? lines[line] : std::string("(end of file)");
    };
    return "first difference at line " + std::to_string(line + 1) + ":\n  reference: " + at(expected) +
           "\n  written:   " + at(actual);
}

bool writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    return !file.fail();
}

::testing::AssertionResult matchesReference(const std::filesystem::path& reference, const std::string& xml) {
    const std::string written = tagPerLine(xml);
    std::filesystem::path out = reference;
    out.replace_extension(".out.xml");
    std::error_code ignored;
    std::filesystem::create_directories(reference.parent_path(), ignored);
    if (const char* update = std::getenv("TAVREL_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        std::filesystem::remove(out, ignored);
        return writeText(reference, written) ? ::testing::AssertionSuccess()
                                             : ::testing::AssertionFailure() << "cannot write " << reference;
    }
    const bool present = std::filesystem::exists(reference);
    const std::string expected = present ? test::readFile(reference.string()) : std::string();
    if (present && expected == written) {
        std::filesystem::remove(out, ignored);  // left from an earlier mismatch
        return ::testing::AssertionSuccess();
    }
    const bool saved = writeText(out, written);
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << reference.string() << (present ? " differs from the part written now" : " is missing") << " ("
            << (saved ? "written to " + out.string() : "cannot write " + out.string()) << ")";
    if (present) {
        failure << "; " << firstDifference(expected, written);
    }
    return failure << "\nAfter reviewing the change, TAVREL_UPDATE_GOLDEN=1 rewrites the reference.";
}

TEST(ReportGolden, WrittenPartsMatchTheReviewedReferences) {
    const UtcZone utc;
    for (const GoldenCase& c : kCases) {
        SCOPED_TRACE(c.folder);
        test::TemporaryFolder folder;
        const std::string path = folder.file("report.docx");
        const Expected<WrittenReport> written = writeDocx(reportOf(c), path, kFixedMoment);
        ASSERT_TRUE(written) << written.error().message;
        test::Package package = test::unzip(path);
        for (const auto& [part, name] : kGoldenParts) {
            ASSERT_TRUE(package.count(part)) << part;
            EXPECT_TRUE(
                matchesReference(std::filesystem::path(kGoldenFolder) / c.folder / name, package[part]));
        }
    }
}

}  // namespace
}  // namespace tavrel
