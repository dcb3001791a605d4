// Lines 48 and 49 of the input file: written under the 2018 edition only, read before every other line,
// and the messages about values the program does not recognise.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/gbk.h"
#include "model/tvrl.h"
#include "test_support.h"
#include "tvrl_bytes.h"

namespace tavrel::tvrl {
namespace {

using test::PrintTo;

// The default record after switching to the 2018 edition, in safety class 三级.
DesignInput record2018() {
    DesignInput input;
    DesignInputTarget target(input);
    target.selectEdition(Edition::Jtg2018);
    target.selectSafetyClass(SafetyClass::Third);
    return input;
}

std::string gbkBytes(const std::string& utf8) {
    return gbk::encode(utf8).value_or("");
}

std::string bytesOf(const DesignInput& input) {
    return write(input).value_or("");
}

// The bytes of a record's file with lines 48 and 49 replaced (or cut when empty).
std::string withEditionLines(const DesignInput& input, const std::vector<std::string>& lines) {
    DesignInput lines1To47 = input;
    lines1To47.edition = Edition::Jtg2004;
    std::string bytes = bytesOf(lines1To47);
    for (const std::string& line : lines) {
        bytes += gbkBytes(line) + "\r\n";
    }
    return bytes;
}

using test::AppliedBytes;
using test::appliedBytes;

TEST(TvrlEditionWriteTest, A2018FileIsThe2004LinesThenEditionAndSafetyClass) {
    const DesignInput input = record2018();
    DesignInput sameLists = input;
    sameLists.edition = Edition::Jtg2004;
    const std::string lines1To47 = bytesOf(sameLists);
    const std::string expectedTail = gbkBytes(
        "2018                    设计规范\r\n"
        "3                    结构安全等级\r\n");
    EXPECT_EQ(bytesOf(input), lines1To47 + expectedTail);
    EXPECT_NE(lines1To47.find(gbkBytes("HRB400                    主筋等级\r\n")), std::string::npos);

    int lineEnds = 0;
    for (std::size_t at = 0; (at = bytesOf(input).find("\r\n", at)) != std::string::npos; at += 2) {
        ++lineEnds;
    }
    EXPECT_EQ(lineEnds, 49);
}

// The safety class means nothing under the 2004 rules and is not written: a 2004 file stays 47 lines.
TEST(TvrlEditionWriteTest, A2004FileStaysTheFortySevenLinesWhateverTheSafetyClass) {
    DesignInput input;
    input.safetyClass = SafetyClass::First;
    EXPECT_EQ(bytesOf(input), bytesOf(DesignInput{}));
}

TEST(TvrlEditionReadTest, A2018FileReadsBackTheSameRecordWithoutAMessage) {
    for (const SafetyClass safetyClass : {SafetyClass::First, SafetyClass::Second, SafetyClass::Third}) {
        DesignInput input = record2018();
        input.safetyClass = safetyClass;
        input.CboHNTDJ = "C45";
        input.txtHNTKY = "20.5";
        input.txtHNTKL = "1.74";
        input.CboZJDJ = "HRB500";
        input.CboHJLB = "VII类环境";
        const AppliedBytes applied = appliedBytes(bytesOf(input));
        EXPECT_EQ(applied.input, input) << safetyClassName(safetyClass);
        EXPECT_TRUE(applied.messages.empty());
    }
}

// The edition comes first, so the entries of lines 8, 13 and 20 are looked up in the file's own lists,
// whatever edition the record had before; the safety class follows the file alone.
TEST(TvrlEditionReadTest, EachEditionsFileOpensIntoARecordOfTheOther) {
    DesignInput file2018 = record2018();
    file2018.CboZJDJ = "HPB300";
    file2018.CboHJLB = "V类环境";
    EXPECT_EQ(appliedBytes(bytesOf(file2018), DesignInput{}).input, file2018);

    DesignInput file2004;
    file2004.CboZJDJ = "R235";
    file2004.CboHNTDJ = "C20";
    file2004.txtHNTKY = "9.2";
    file2004.txtHNTKL = "1.06";
    EXPECT_EQ(appliedBytes(bytesOf(file2004), record2018()).input, file2004);
}

struct LineCase {
    const char* name;
    std::vector<std::string> tail;  // lines 48 and 49 as the file has them
    Edition edition;
    SafetyClass safetyClass;
    std::vector<std::string> messages;
};

class TvrlEditionLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(TvrlEditionLineTest, UnrecognisedValuesAreReadAsTheDefaultAndSaidSo) {
    const LineCase& c = GetParam();
    DesignInput start = record2018();  // the state before must not matter
    start.safetyClass = SafetyClass::First;
    const AppliedBytes applied = appliedBytes(withEditionLines(DesignInput{}, c.tail), start);
    EXPECT_EQ(applied.input.edition, c.edition);
    EXPECT_EQ(applied.input.safetyClass, c.safetyClass);
    EXPECT_EQ(applied.messages, c.messages);
}

const std::string kEditionUnknown2004 =
    "文件中的设计规范标记“2004”不能识别，已按JTG D60-2004、JTG D62-2004读入。";

INSTANTIATE_TEST_SUITE_P(
    Lines, TvrlEditionLineTest,
    ::testing::Values(
        LineCase{"NoLinesAre2004", {}, Edition::Jtg2004, SafetyClass::Second, {}},
        LineCase{"EmptyLinesAre2004", {"", ""}, Edition::Jtg2004, SafetyClass::Second, {}},
        LineCase{"ClassWithout2018IsNotRead", {"", "3"}, Edition::Jtg2004, SafetyClass::Second, {}},
        LineCase{"Class1", {"2018", "1"}, Edition::Jtg2018, SafetyClass::First, {}},
        LineCase{"Class3WithBlanks", {"  2018  ", " 3"}, Edition::Jtg2018, SafetyClass::Third, {}},
        LineCase{"LaterEditionIs2004",
                 {"2024", "1"},
                 Edition::Jtg2004,
                 SafetyClass::Second,
                 {"文件中的设计规范标记“2024”不能识别，已按JTG D60-2004、JTG D62-2004读入。"}},
        LineCase{
            "TheYear2004IsNoMark", {"2004"}, Edition::Jtg2004, SafetyClass::Second, {kEditionUnknown2004}},
        LineCase{"DamagedMarkKeepsItsTenCharacters",
                 {"2018设计规范设计规范"},
                 Edition::Jtg2004,
                 SafetyClass::Second,
                 {"文件中的设计规范标记“2018设计规范设计”不能识别，已按JTG D60-2004、JTG D62-2004读入。"}},
        LineCase{"MissingClassIsSecond",
                 {"2018"},
                 Edition::Jtg2018,
                 SafetyClass::Second,
                 {"文件中的结构安全等级标记“”不能识别，已按二级读入。"}},
        LineCase{"ClassFourIsSecond",
                 {"2018", "4"},
                 Edition::Jtg2018,
                 SafetyClass::Second,
                 {"文件中的结构安全等级标记“4”不能识别，已按二级读入。"}},
        LineCase{"ClassInWordsIsSecond",
                 {"2018", "一级"},
                 Edition::Jtg2018,
                 SafetyClass::Second,
                 {"文件中的结构安全等级标记“一级”不能识别，已按二级读入。"}}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

// What an older version sees: the first 47 lines. Entries its lists lack keep their selection, while the
// strength texts still arrive; the file is then a 2004 one.
TEST(TvrlEditionReadTest, TheFirstFortySevenLinesOfA2018FileReadAsA2004File) {
    DesignInput input = record2018();
    input.CboHNTDJ = "C45";
    input.txtHNTKY = "20.5";
    input.txtHNTKL = "1.74";
    input.CboZJDJ = "HPB300";
    const AppliedBytes applied = appliedBytes(withEditionLines(input, {}));
    EXPECT_EQ(applied.input.edition, Edition::Jtg2004);
    EXPECT_EQ(applied.input.CboHNTDJ, "C30");
    EXPECT_EQ(applied.input.txtHNTKY, "20.5");
    EXPECT_EQ(applied.input.txtHNTKL, "1.74");
    EXPECT_EQ(applied.input.CboZJDJ, "HRB335");
    EXPECT_TRUE(applied.messages.empty());
}

}  // namespace
}  // namespace tavrel::tvrl
