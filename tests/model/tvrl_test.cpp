// Tests of the input file: the reference file byte for byte, round trips, odd files and the apply rules.
#include "model/tvrl.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "temporary_folder.h"
#include "test_support.h"
#include "tvrl_bytes.h"

namespace tavrel::tvrl {
namespace {

using test::PrintTo;

std::string referenceBytes() {
    return test::readFile(test::sourcePath("examples/default.tvrl"));
}

// The reference file's 47 lines as GBK bytes, without their line ends.
std::vector<std::string> referenceLines() {
    return test::crLfLines(referenceBytes());
}

std::string joinLines(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n") {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line + lineEnd;
    }
    return bytes;
}

Values readBytes(const std::string& bytes) {
    std::istringstream in(bytes);
    return read(in);
}

// Reads bytes and applies them to a record that starts as `start`.
DesignInput applyBytes(const std::string& bytes, DesignInput start = {}) {
    return test::appliedBytes(bytes, std::move(start)).input;
}

DesignInput roundTrip(const DesignInput& input) {
    const auto bytes = write(input);
    EXPECT_TRUE(bytes);
    return applyBytes(bytes.value_or(""));
}

// The record of tests/data/open_c40_edited_headings.tvrl, field by field from that file.
DesignInput editedRecord() {
    DesignInput input;
    input.slabType = SlabType::Open;
    input.CboSJHZ = "公路-II级";
    input.CboHNTDJ = "C40";
    input.chkHNTKY = true;
    input.txtHNTKY = "20.5";
    input.chkHNTKL = true;
    input.txtHNTKL = "1.7";
    input.CboZJDJ = "R235";
    input.CboZJZJ = "16";
    input.txtZJGS = "20";
    input.chkGBRZ = true;
    input.txtGBRZ = "26";
    input.chkTRZ = true;
    input.txtTRZ = "19";
    input.CboHJLB = "III类环境";
    input.txtTTG = "1.5";
    input.txtPZH = "10";
    input.txtBCH = "12";
    input.chkPZRZ = true;
    input.txtPZRZ = "24";
    input.chkBCRZ = true;
    input.txtBCRZ = "22";
    input.txtJBHZ = "12.5";
    input.txtJBHZKD = "1.2";
    input.txtJZL = "30";
    input.txtBDH = "40";
    input.txtBZH = "45";
    input.chkGBK = true;
    input.txtGBK = "1.24";
    input.txtJKJ = "4";
    input.txtGZCD = "0.25";
    input.chkJSKJ = true;
    input.txtJSKJ = "4.4";
    input.txtBHC = "2.5";
    return input;
}

// Records every call in order, as "Option2", "CboHNTDJ=4", "chkTRZ=1", "txtJKJ=3.5".
class RecordingTarget final : public InputTarget {
  public:
    void selectEdition(Edition edition) override {
        calls.push_back("edition=" + std::string(editionYearText(edition)));
    }
    void selectSafetyClass(SafetyClass safetyClass) override {
        calls.push_back("safetyClass=" + std::string(safetyClassNumberText(safetyClass)));
    }
    void selectSlabType(SlabType type) override { calls.emplace_back(controlName(type)); }
    void selectListEntry(ListField field, int position) override {
        calls.push_back(std::string(controlName(field)) + "=" + std::to_string(position));
    }
    void setCheckState(CheckField field, bool checked) override {
        calls.push_back(std::string(controlName(field)) + (checked ? "=1" : "=0"));
    }
    void setText(TextField field, const std::string& text) override {
        calls.push_back(std::string(controlName(field)) + "=" + text);
    }
    void setProject(const ProjectInfo& project, ReportFormat /*format*/) override {
        projects.push_back(project);
    }
    std::vector<std::string> calls;
    std::vector<ProjectInfo> projects;  // apart from the calls, whose order the design lines fix
};

// --- Writing -----------------------------------------------------------------------------------------

TEST(TvrlWriteTest, DefaultRecordIsTheReferenceFileByteForByte) {
    const auto bytes = write(DesignInput{});
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, referenceBytes());
}

TEST(TvrlWriteTest, ReferenceFileHas47LinesEachEndingWithCrLf) {
    const std::string bytes = referenceBytes();
    EXPECT_EQ(referenceLines().size(), 47u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
}

TEST(TvrlWriteTest, ValueIsWrittenWholeWithItsBlanksThenTwentySpacesThenTheTerm) {
    DesignInput input;
    input.txtJKJ = " 3.5000000001 ";
    auto lines = referenceLines();
    const auto bytes = write(input);
    ASSERT_TRUE(bytes);
    lines[42] = " 3.5000000001 " + std::string(20, ' ') + "\xBE\xBB\xBF\xE7\xBE\xB6(m)";  // 净跨径(m)
    EXPECT_EQ(*bytes, joinLines(lines));
}

TEST(TvrlWriteTest, EmptyTextsAndAnUnselectedListAreWrittenAsEmptyValues) {
    DesignInput input;
    input.CboSJHZ.clear();
    input.txtBHC.clear();
    const auto bytes = write(input);
    ASSERT_TRUE(bytes);
    const auto values = readBytes(*bytes);
    EXPECT_EQ(values.lines[6], "");
    EXPECT_EQ(values.lines[46], "");
    EXPECT_NE(bytes->find("\r\n                    \xC6\xFB\xB3\xB5"), std::string::npos);  // 汽车荷载等级
}

struct UnwritableCase {
    const char* name;
    TextField field;
    std::string text;
    std::string replaced;  // the text as Replace writes it
    std::string_view term;
    std::string characters;  // what unwritableValues names
};

class TvrlUnwritableTest : public ::testing::TestWithParam<UnwritableCase> {};

TEST_P(TvrlUnwritableTest, RefuseWritesNothingAndReplaceWritesAQuestionMarkForEachCharacter) {
    DesignInput input;
    input.text(GetParam().field) = GetParam().text;
    EXPECT_FALSE(write(input));
    ASSERT_FALSE(write(input, Unwritable::Refuse));
    EXPECT_EQ(write(input, Unwritable::Refuse).error().code, ErrorCode::UnwritableText);

    DesignInput replaced;
    replaced.text(GetParam().field) = GetParam().replaced;
    const auto expected = write(replaced);
    ASSERT_TRUE(expected);
    EXPECT_EQ(write(input, Unwritable::Replace), expected);

    const auto found = unwritableValues(input);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].term, GetParam().term);
    EXPECT_EQ(found[0].characters, GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, TvrlUnwritableTest,
    ::testing::Values(
        UnwritableCase{"Emoji", TextField::txtTTG, "22\xF0\x9F\x98\x80", "22?", "填土高(m)",
                       "\xF0\x9F\x98\x80"},
        UnwritableCase{"RepeatedWonSignIsNamedOnce", TextField::txtGBK, "₩1₩", "?1?", "盖板宽(m)", "₩"},
        UnwritableCase{"ReplacementCharacterOfADamagedByte", TextField::txtTRZ,
                       "\xEF\xBF\xBD"
                       "18",
                       "?18", "土容重(KN/m^3)", "\xEF\xBF\xBD"},
        UnwritableCase{"ByteThatIsNoUtf8", TextField::txtHNTKY,
                       "\xFF"
                       "13.8",
                       "?13.8", "混凝土抗压强度(Mpa)", "\xFF"},
        UnwritableCase{"CrLfInsideAText", TextField::txtJKJ, "3.5\r\n0.3", "3.5??0.3", "净跨径(m)", "\r\n"},
        UnwritableCase{"TrailingLf", TextField::txtJKJ, "3.5\n", "3.5?", "净跨径(m)", "\n"},
        UnwritableCase{"LeadingCr", TextField::txtBHC, "\r3", "?3", "保护层厚度(cm)", "\r"}),
    [](const ::testing::TestParamInfo<UnwritableCase>& info) { return std::string(info.param.name); });

TEST(TvrlWriteTest, UnwritableValuesAreListedInLineOrderEachCharacterOnce) {
    DesignInput input;
    input.txtJKJ = "₩3₩\xF0\x9F\x98\x80€";  // the euro sign has a GBK form (0x80)
    input.txtTTG = "\xF0\x9F\x98\x80";
    const auto found = unwritableValues(input);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].term, "填土高(m)");
    EXPECT_EQ(found[0].characters, "\xF0\x9F\x98\x80");
    EXPECT_EQ(found[1].term, "净跨径(m)");
    EXPECT_EQ(found[1].characters, "₩\xF0\x9F\x98\x80");
    EXPECT_TRUE(unwritableValues(DesignInput{}).empty());
    EXPECT_TRUE(unwritableValues(editedRecord()).empty());
}

TEST(TvrlWriteTest, ReplaceWritesAWritableRecordExactlyAsRefuseDoes) {
    for (const DesignInput& input : {DesignInput{}, editedRecord()}) {
        EXPECT_EQ(write(input, Unwritable::Replace), write(input, Unwritable::Refuse));
    }
}

// A damaged byte in the last-input file must not cost the rest of the input at the next exit.
TEST(TvrlWriteTest, DamagedByteReadFromAFileIsWrittenBackAsAQuestionMarkWithTheRestKept) {
    auto lines = referenceLines();
    lines[22] = std::string("2") + '\xFF' + "2" + std::string(20, ' ') + "term";  // txtTTG
    const DesignInput restored = applyBytes(joinLines(lines), editedRecord());
    EXPECT_FALSE(write(restored));

    DesignInput expected;
    expected.txtTTG = "2?2";
    EXPECT_EQ(write(restored, Unwritable::Replace), write(expected));
}

TEST(TvrlWriteTest, LoadClassOfNineGbkBytesIsWrittenBeforeTheTwentySpaces) {
    DesignInput input;
    input.CboSJHZ = "公路-II级";
    const auto bytes = write(input);
    ASSERT_TRUE(bytes);
    EXPECT_NE(bytes->find("\r\n\xB9\xAB\xC2\xB7-II\xBC\xB6                    \xC6\xFB"), std::string::npos);
}

// --- Round trips -------------------------------------------------------------------------------------

TEST(TvrlRoundTripTest, UnchangedRecordReproducesTheSameRecordAndBytes) {
    for (const DesignInput& input : {DesignInput{}, editedRecord()}) {
        const DesignInput restored = roundTrip(input);
        EXPECT_EQ(restored, input);
        EXPECT_EQ(write(restored), write(input));
    }
}

TEST(TvrlRoundTripTest, TenDoubleByteCharactersFitAndTheEleventhIsCut) {
    DesignInput input;
    input.txtTTG = "一二三四五六七八九十";
    input.txtPZH = "一二三四五六七八九十百";
    const DesignInput restored = roundTrip(input);
    EXPECT_EQ(restored.txtTTG, "一二三四五六七八九十");
    EXPECT_EQ(restored.txtPZH, "一二三四五六七八九十");
}

struct TextCase {
    const char* name;
    std::string written;
    std::string restored;
};

class TvrlTextRoundTripTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TvrlTextRoundTripTest, TextIsRestoredAsItsFirstTenCharactersTrimmed) {
    DesignInput input;
    input.txtJKJ = GetParam().written;
    EXPECT_EQ(roundTrip(input).txtJKJ, GetParam().restored);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TvrlTextRoundTripTest,
    ::testing::Values(TextCase{"ThirteenCharacterNumberKeepsItsFirstTen", "3.5000000001", "3.50000000"},
                      TextCase{"SurroundingBlanksAreDropped", "  3.5 ", "3.5"},
                      TextCase{"BlanksCountTowardsTheTenCharacters", "     123456789", "12345"},
                      TextCase{"InnerBlanksStay", "3 .5", "3 .5"},
                      TextCase{"IdeographicBlankIsNoSpace", "　3.5", "　3.5"},
                      TextCase{"EmptyStaysEmpty", "", ""}, TextCase{"OnlyBlanksBecomeEmpty", "   ", ""},
                      TextCase{"MixedWidthTextCountsCharacters", "公路-II级abcdef", "公路-II级abcd"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

// --- Reading odd files -------------------------------------------------------------------------------

TEST(TvrlReadTest, EditedHeadingsFileReadsAsItsValues) {
    const auto result = readCompleteFile(test::sourcePath("tests/data/open_c40_edited_headings.tvrl"));
    ASSERT_TRUE(result) << result.error().message;
    DesignInput input;
    DesignInputTarget target(input);
    apply(*result, target);
    EXPECT_EQ(input, editedRecord());
}

TEST(TvrlReadTest, HeadingAndEmptyLinesDoNotMatter) {
    auto lines = referenceLines();
    for (const int line : {1, 5, 6, 21, 22, 24, 25, 32, 33, 37, 38}) {
        lines[static_cast<std::size_t>(line - 1)] = "1 \xFF junk that is not a heading";
    }
    EXPECT_EQ(applyBytes(joinLines(lines), editedRecord()), DesignInput{});
}

struct LineEndCase {
    const char* name;
    std::string lineEnd;
};

class TvrlLineEndTest : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(TvrlLineEndTest, FileReadsLikeTheReferenceFile) {
    const Values values = readBytes(joinLines(referenceLines(), GetParam().lineEnd));
    EXPECT_EQ(values.linesRead, 47);
    EXPECT_EQ(values.lines, readBytes(referenceBytes()).lines);
    EXPECT_EQ(applyBytes(joinLines(referenceLines(), GetParam().lineEnd), editedRecord()), DesignInput{});
}

INSTANTIATE_TEST_SUITE_P(LineEnds, TvrlLineEndTest,
                         ::testing::Values(LineEndCase{"BareLf", "\n"}, LineEndCase{"BareCr", "\r"},
                                           LineEndCase{"CrLf", "\r\n"},
                                           LineEndCase{"CrLfConvertedTwiceToCrCrLf", "\r\r\n"}),
                         [](const ::testing::TestParamInfo<LineEndCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(TvrlReadTest, MixedLineEndsAreEachOneLineEnd) {
    const Values values = readBytes("a\r\nb\nc\rd\n\re");
    EXPECT_EQ(values.linesRead, 6);
    EXPECT_EQ(values.lines[3], "d");
    EXPECT_EQ(values.lines[4], "");
    EXPECT_EQ(values.lines[5], "e");
}

// CR CR LF is one line end; two CRs followed by anything else are two bare CRs around an empty line.
TEST(TvrlReadTest, TwoCarriageReturnsEndOneLineOnlyWhenALineFeedFollows) {
    const Values values = readBytes("a\r\r\nb\r\rc\r\r\r\nd\r\r");
    const std::vector<std::string> expected = {"a", "b", "", "c", "", "", "d", ""};
    EXPECT_EQ(values.linesRead, 8);
    EXPECT_EQ(std::vector<std::string>(values.lines.begin(), values.lines.begin() + 8), expected);
}

TEST(TvrlReadTest, LinesAfterLine49AreIgnored) {
    auto lines = referenceLines();
    lines.insert(lines.end(), {"2018", "3", "1", "C40", "junk \xFF"});
    const Values values = readBytes(joinLines(lines));
    EXPECT_EQ(values.linesRead, 49);
    auto expected = readBytes(referenceBytes()).lines;
    expected[47] = "2018";
    expected[48] = "3";
    EXPECT_EQ(values.lines, expected);
}

TEST(TvrlReadTest, LastLineWithoutLineEndIsDelivered) {
    std::string bytes = referenceBytes();
    bytes.resize(bytes.size() - 2);
    const Values values = readBytes(bytes);
    EXPECT_TRUE(values.complete());
    EXPECT_EQ(values.lines[46], "3");
}

TEST(TvrlReadTest, ShortFileEmptiesMissingTextsAndKeepsListsAndChecks) {
    auto lines = referenceLines();
    lines.resize(20);
    DesignInput start = editedRecord();
    start.slabType = SlabType::Buried;
    const Values values = readBytes(joinLines(lines));
    EXPECT_EQ(values.linesRead, 20);
    EXPECT_FALSE(values.complete());
    EXPECT_EQ(values.lines[19], "I类环境");
    EXPECT_EQ(values.lines[20], "");

    DesignInput expected = start;
    expected.CboSJHZ = "公路-I级";  // lines 2..20 come from the reference file
    expected.CboHNTDJ = "C30";
    expected.chkHNTKY = false;
    expected.txtHNTKY = "13.8";
    expected.chkHNTKL = false;
    expected.txtHNTKL = "1.39";
    expected.CboZJDJ = "HRB335";
    expected.CboZJZJ = "25";
    expected.txtZJGS = "14";
    expected.chkGBRZ = false;
    expected.txtGBRZ = "25";
    expected.chkTRZ = false;
    expected.txtTRZ = "18";
    expected.CboHJLB = "I类环境";
    for (const TextField field :
         {TextField::txtTTG, TextField::txtPZH, TextField::txtBCH, TextField::txtPZRZ, TextField::txtBCRZ,
          TextField::txtJBHZ, TextField::txtJBHZKD, TextField::txtJZL, TextField::txtBDH, TextField::txtBZH,
          TextField::txtGBK, TextField::txtJKJ, TextField::txtGZCD, TextField::txtJSKJ, TextField::txtBHC}) {
        expected.text(field).clear();
    }
    DesignInputTarget target(start);
    apply(values, target);
    EXPECT_EQ(start, expected);
}

TEST(TvrlReadTest, EmptyStreamDeliversNoLine) {
    const Values values = readBytes("");
    EXPECT_EQ(values.linesRead, 0);
    EXPECT_EQ(values.lines[0], "");
}

TEST(TvrlReadTest, InvalidGbkBytesBecomeReplacementCharacters) {
    auto lines = referenceLines();
    lines[9] =
        "\xFF\xFE"
        "13.8";            // txtHNTKY: 0xFF is no GBK byte; 0xFE 0x31 is no pair
    lines[16] = "25\x81";  // txtGBRZ: a lead byte cut off by the line end
    lines[18] =
        "\x80\x81\x7F"
        "18";  // txtTRZ: euro sign, then a lead byte before DEL
    const Values values = readBytes(joinLines(lines));
    EXPECT_EQ(values.linesRead, 47);
    EXPECT_EQ(values.lines[9],
              "\xEF\xBF\xBD\xEF\xBF\xBD"
              "13.8");
    EXPECT_EQ(values.lines[16], "25\xEF\xBF\xBD");
    EXPECT_EQ(values.lines[18],
              "€\xEF\xBF\xBD\x7F"
              "18");
    EXPECT_EQ(values.lines[19], "I类环境");
}

TEST(TvrlReadTest, LongLineKeepsItsFirstTenCharactersAndTheNextLinesStillCount) {
    auto lines = referenceLines();
    lines[42] = "4.25" + std::string(200000, ' ') + "tail";
    lines[43] = std::string(30, '\xB0');  // fifteen times "鞍" (0xB0 0xB0): only ten are kept
    const Values values = readBytes(joinLines(lines));
    EXPECT_EQ(values.linesRead, 47);
    EXPECT_EQ(values.lines[42], "4.25");
    EXPECT_EQ(values.lines[43], "鞍鞍鞍鞍鞍鞍鞍鞍鞍鞍");
    EXPECT_EQ(values.lines[46], "3");
}

// A stream that never ends: every byte is 'x' and there is no line end.
class EndlessStreambuf final : public std::streambuf {
  public:
    std::size_t served = 0;

  protected:
    int_type underflow() override {
        setg(m_chunk, m_chunk, m_chunk + sizeof(m_chunk));
        served += sizeof(m_chunk);
        return traits_type::to_int_type(m_chunk[0]);
    }

  private:
    char m_chunk[4096] = {};
};

TEST(TvrlReadTest, EndlessSingleLineStopsAtTheByteBudgetAndDeliversNoLine) {
    EndlessStreambuf buffer;
    std::istream in(&buffer);
    const Values values = read(in);
    EXPECT_EQ(values.linesRead, 0);
    EXPECT_TRUE(values.budgetSpent);
    EXPECT_LE(buffer.served, std::size_t{2} << 20);
}

TEST(TvrlReadTest, HugeFileBeyondTheBudgetDeliversOnlyItsFirstLines) {
    auto lines = referenceLines();
    lines[2] = std::string(3u << 20, '0');
    const Values values = readBytes(joinLines(lines));
    EXPECT_EQ(values.linesRead, 2);
    EXPECT_TRUE(values.budgetSpent);
    EXPECT_EQ(values.lines[1], "1");
}

TEST(TvrlReadTest, FileThatEndsOrCompletesWithinTheBudgetHasNotSpentIt) {
    auto lines = referenceLines();
    lines.insert(lines.end(), {"2018", "2", std::string(3u << 20, 'x')});  // after line 49: never read
    EXPECT_FALSE(readBytes(joinLines(lines)).budgetSpent);
    lines.resize(20);
    EXPECT_FALSE(readBytes(joinLines(lines)).budgetSpent);
}

// --- Applying ----------------------------------------------------------------------------------------

TEST(TvrlApplyTest, CallsArriveInLineOrderWithListPositions) {
    RecordingTarget target;
    apply(readBytes(referenceBytes()), target);
    const std::vector<std::string> expected = {
        "edition=2004",  "safetyClass=2", "Option1",       "CboSJHZ=0",  "CboHNTDJ=2",  "chkHNTKY=0",
        "txtHNTKY=13.8", "chkHNTKL=0",    "txtHNTKL=1.39", "CboZJDJ=1",  "CboZJZJ=4",   "txtZJGS=14",
        "chkGBRZ=0",     "txtGBRZ=25",    "chkTRZ=0",      "txtTRZ=18",  "CboHJLB=0",   "txtTTG=22",
        "txtPZH=8",      "txtBCH=9",      "chkPZRZ=0",     "txtPZRZ=25", "chkBCRZ=0",   "txtBCRZ=23",
        "txtJBHZ=10",    "txtJBHZKD=2",   "txtJZL=10",     "txtBDH=108", "txtBZH=113",  "chkGBK=0",
        "txtGBK=0.99",   "txtJKJ=3.5",    "txtGZCD=0.3",   "chkJSKJ=0",  "txtJSKJ=3.8", "txtBHC=3"};
    EXPECT_EQ(target.calls, expected);
}

struct SlabCase {
    const char* name;
    std::string option1, option2, option3;
    SlabType start;
    SlabType expected;
};

class TvrlSlabTypeTest : public ::testing::TestWithParam<SlabCase> {};

TEST_P(TvrlSlabTypeTest, OnlyALeadingOneSelectsAndTheLastOneWins) {
    auto lines = referenceLines();
    lines[1] = GetParam().option1;
    lines[2] = GetParam().option2;
    lines[3] = GetParam().option3;
    DesignInput start;
    start.slabType = GetParam().start;
    EXPECT_EQ(applyBytes(joinLines(lines), start).slabType, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TvrlSlabTypeTest,
    ::testing::Values(
        SlabCase{"OneOneZeroGivesOpen", "1", "1", "0", SlabType::Buried, SlabType::Open},
        SlabCase{"ZeroZeroOneGivesCustom", "0", "0", "1", SlabType::Buried, SlabType::Custom},
        SlabCase{"OneZeroZeroGivesBuried", "1", "0", "0", SlabType::Custom, SlabType::Buried},
        SlabCase{"AllOnesGiveCustom", "1", "1", "1", SlabType::Buried, SlabType::Custom},
        SlabCase{"NoOneKeepsTheCurrentType", "0", "0", "0", SlabType::Open, SlabType::Open},
        SlabCase{"OtherDigitsLettersAndEmptyKeepTheType", "2", "x", "", SlabType::Custom, SlabType::Custom},
        SlabCase{"OnlyTheFirstCharacterCounts", "0", "10", "01", SlabType::Buried, SlabType::Open},
        SlabCase{"LeadingBlanksAreTrimmedFirst", "0", "0", "   1", SlabType::Open, SlabType::Custom},
        SlabCase{"FullWidthOneIsNoOne", "0", "\xA3\xB1", "0", SlabType::Buried, SlabType::Buried}),
    [](const ::testing::TestParamInfo<SlabCase>& info) { return std::string(info.param.name); });

struct CheckCase {
    const char* name;
    std::string value;
    bool fromUnchecked;
    bool fromChecked;
};

class TvrlCheckValueTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(TvrlCheckValueTest, WholeNumberZeroOrOneSetsTheBoxAndAnythingElseKeepsIt) {
    auto lines = referenceLines();
    lines[40] = GetParam().value;  // chkGBK
    for (const bool start : {false, true}) {
        DesignInput input;
        input.chkGBK = start;
        const bool expected = start ? GetParam().fromChecked : GetParam().fromUnchecked;
        EXPECT_EQ(applyBytes(joinLines(lines), input).chkGBK, expected) << "starting " << start;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, TvrlCheckValueTest,
    ::testing::Values(CheckCase{"ZeroUnchecks", "0", false, false}, CheckCase{"OneChecks", "1", true, true},
                      CheckCase{"TwoKeeps", "2", false, true}, CheckCase{"EmptyKeeps", "", false, true},
                      CheckCase{"LettersKeep", "abc", false, true},
                      CheckCase{"MinusOneKeeps", "-1", false, true},
                      CheckCase{"OnePointZeroChecks", "1.0", true, true},
                      CheckCase{"HalfRoundsToEvenZero", "0.5", false, false},
                      CheckCase{"PointSixRoundsToOneAndChecks", "0.6", true, true},
                      CheckCase{"OnePointFourRoundsToOneAndChecks", "1.4", true, true},
                      CheckCase{"MinusPointFourRoundsToZeroAndUnchecks", "-0.4", false, false},
                      CheckCase{"OneAndAHalfRoundsToTwoAndKeeps", "1.5", false, true},
                      CheckCase{"ExponentFormChecks", "1e0", true, true},
                      CheckCase{"TrailingLettersKeep", "1abc", false, true}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(TvrlApplyTest, ListValuesMatchExactlyAndCaseSensitively) {
    auto lines = referenceLines();
    lines[7] = "c30";       // CboHNTDJ: lower case matches no grade
    lines[9] = "20";        // txtHNTKY
    lines[11] = "2";        // txtHNTKL
    lines[12] = "HRB 335";  // CboZJDJ: inner blank
    lines[13] = "25.0";     // CboZJZJ: equal as a number but not as text
    DesignInput start;
    start.CboHNTDJ = "C40";
    start.CboZJDJ = "KL400";
    start.CboZJZJ = "32";
    const DesignInput input = applyBytes(joinLines(lines), start);
    EXPECT_EQ(input.CboHNTDJ, "C40");
    EXPECT_EQ(input.txtHNTKY, "20");
    EXPECT_EQ(input.txtHNTKL, "2");
    EXPECT_EQ(input.CboZJDJ, "KL400");
    EXPECT_EQ(input.CboZJZJ, "32");
}

TEST(TvrlApplyTest, GradeLineComesBeforeTheStrengthsSoUnlockedStrengthsSurvive) {
    DesignInput saved;
    saved.CboHNTDJ = "C35";
    saved.chkHNTKY = true;
    saved.txtHNTKY = "17";
    saved.txtHNTKL = "1.6";
    EXPECT_EQ(roundTrip(saved), saved);

    RecordingTarget target;
    apply(readBytes(write(saved).value_or("")), target);
    EXPECT_EQ(
        std::vector<std::string>(target.calls.begin() + 4, target.calls.begin() + 9),
        (std::vector<std::string>{"CboHNTDJ=3", "chkHNTKY=1", "txtHNTKY=17", "chkHNTKL=0", "txtHNTKL=1.6"}));
}

TEST(TvrlApplyTest, GradeWithEmptyStrengthLinesLeavesTheStrengthsEmpty) {
    auto lines = referenceLines();
    lines[7] = "C40";
    lines[9] = "";
    lines[11] = "";
    const DesignInput input = applyBytes(joinLines(lines));
    EXPECT_EQ(input.CboHNTDJ, "C40");
    EXPECT_EQ(input.txtHNTKY, "");
    EXPECT_EQ(input.txtHNTKL, "");
}

TEST(TvrlApplyTest, SlabTypeClearsTheSoilOverrideAndTheFilesOwnLine18ComesLater) {
    auto lines = referenceLines();
    lines[1] = "0";
    lines[2] = "1";
    lines[17] = "1";
    DesignInput start;
    EXPECT_TRUE(applyBytes(joinLines(lines), start).chkTRZ);

    lines[17] = "";  // no check state: the clearing by the slab type stands
    start.chkTRZ = true;
    EXPECT_FALSE(applyBytes(joinLines(lines), start).chkTRZ);
}

// --- Files and messages ------------------------------------------------------------------------------

class TvrlFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_folder = std::filesystem::path(::testing::TempDir()) /
                   ("tvrl_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string writeFile(const std::string& name, const std::string& bytes) {
        const auto path = m_folder / std::filesystem::path(std::u8string(name.begin(), name.end()));
        std::ofstream(path, std::ios::binary) << bytes;
        const auto utf8 = path.u8string();
        return {utf8.begin(), utf8.end()};
    }

    std::filesystem::path m_folder;
};

TEST_F(TvrlFileTest, CompleteFileWithAChinesePathReadsWithoutError) {
    const auto result = readCompleteFile(writeFile("盖板输入.tvrl", referenceBytes()));
    ASSERT_TRUE(result) << result.error().message;
    EXPECT_EQ(result->lines, readBytes(referenceBytes()).lines);
}

// An incomplete file is refused by the open command but still delivers its lines to the start-up rule.
TEST_F(TvrlFileTest, FileEndingBeforeLine47IsTooShort) {
    auto lines = referenceLines();
    lines.resize(46);
    const std::string path = writeFile("short.tvrl", joinLines(lines));
    const auto refused = readCompleteFile(path);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), (Error{ErrorCode::FileTooShort, "文件不完整（不足47行），未能读入：" + path}));
    ASSERT_TRUE(readFile(path));
    EXPECT_EQ(readFile(path)->linesRead, 46);
}

TEST_F(TvrlFileTest, FileWhoseFirstMebibyteEndsBeforeLine47IsTooLarge) {
    auto lines = referenceLines();
    lines[42] = "3.5" + std::string(1u << 20, ' ');
    const std::string path = writeFile("large.tvrl", joinLines(lines));
    const auto refused = readCompleteFile(path);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(),
              (Error{ErrorCode::FileTooLarge, "文件过大，不是盖板计算文件，未能读入：" + path}));
    EXPECT_EQ(readFile(path)->linesRead, 42);
}

// The message names the path as given and says why, so the user knows what to do.
TEST_F(TvrlFileTest, AFileThatCannotBeOpenedIsNamedWithTheReason) {
    const std::string missing = (m_folder / "missing.tvrl").string();
    const std::string folder = m_folder.string();
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {missing, "无法打开文件：" + missing + "（文件不存在）"},
        {folder, "无法打开文件：" + folder + "（这是一个文件夹）"},
        {"", "无法打开文件：（文件不存在）"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        for (const auto& result : {readFile(c.path), readCompleteFile(c.path)}) {
            ASSERT_FALSE(result);
            EXPECT_EQ(result.error(), (Error{ErrorCode::CannotOpen, c.message}));
        }
    }
}

}  // namespace
}  // namespace tavrel::tvrl
