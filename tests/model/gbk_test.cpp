// Tests of the GBK <-> UTF-8 conversion: valid text, invalid bytes, the character limit and unencodable text.
#include "model/gbk.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace tavrel::gbk {
namespace {

using test::PrintTo;

// GBK bytes of "公路-II级" (six characters in nine bytes), from the code page 936 table.
const std::string kLoadClassGbk = "\xB9\xAB\xC2\xB7-II\xBC\xB6";
const std::string kReplacement = "\xEF\xBF\xBD";

struct DecodeCase {
    const char* name;
    std::string bytes;
    int maxChars;
    std::string expected;
};

class GbkDecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(GbkDecodeTest, DecodesToTheExpectedText) {
    EXPECT_EQ(decode(GetParam().bytes, GetParam().maxChars), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GbkDecodeTest,
    ::testing::Values(
        DecodeCase{"EmptyStaysEmpty", "", -1, ""},
        DecodeCase{"AsciiPassesUnchanged", "C30 13.8", -1, "C30 13.8"},
        DecodeCase{"DoubleByteCharactersDecode", kLoadClassGbk, -1, "公路-II级"},
        DecodeCase{"LimitCountsCharactersNotBytes", kLoadClassGbk, 3, "公路-"},
        DecodeCase{"LimitOnAsciiCutsAtTheLimit", "3.5000000001", 10, "3.50000000"},
        DecodeCase{"ZeroLimitGivesNothing", kLoadClassGbk, 0, ""},
        DecodeCase{"LoneEuroByteIsTheEuroSign", "\x80", -1, "€"},
        DecodeCase{"ByteFFIsReplaced",
                   "a\xFF"
                   "b",
                   -1, "a" + kReplacement + "b"},
        DecodeCase{"LeadByteCutOffAtTheEndIsReplaced", "13.\x81", -1, "13." + kReplacement},
        DecodeCase{"LeadByteBeforeAsciiIsReplacedAndTheAsciiKept", "\x81 1", -1, kReplacement + " 1"},
        DecodeCase{"EachInvalidByteCountsAsOneCharacter", "\xFF\xFF\xFF\xFF", 3,
                   kReplacement + kReplacement + kReplacement},
        DecodeCase{"ValidTextAfterAnInvalidByteStillDecodes", "\xFF\xB9\xAB", -1, kReplacement + "公"},
        DecodeCase{"IdeographicSpaceDecodes", "\xA1\xA1", -1, "\xE3\x80\x80"}),
    [](const ::testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

TEST(GbkEncodeTest, ChineseTextEncodesToItsDoubleByteForm) {
    EXPECT_EQ(encode("公路-II级"), kLoadClassGbk);
}

TEST(GbkEncodeTest, AsciiAndEmptyTextPassUnchanged) {
    EXPECT_EQ(encode(""), "");
    EXPECT_EQ(encode("HRB335"), "HRB335");
}

TEST(GbkEncodeTest, EuroSignEncodesToByte80) {
    EXPECT_EQ(encode("€"), "\x80");
}

TEST(GbkEncodeTest, TextWithoutAGbkFormGivesNothing) {
    EXPECT_FALSE(encode("13.8\xF0\x9F\x98\x80"));  // an emoji, outside GBK
    EXPECT_FALSE(encode("\xC3"));                  // UTF-8 cut inside a character
    EXPECT_FALSE(encode("a\xFF"));                 // not UTF-8 at all
}

TEST(GbkEncodeTest, FailedEncodingDoesNotDisturbTheNextOne) {
    ASSERT_FALSE(encode("\xE4\xB8"));
    EXPECT_EQ(encode("盖板"), "\xB8\xC7\xB0\xE5");
}

TEST(GbkEncodeTest, EncodedTextDecodesBackUnchanged) {
    const std::string text = "涵顶表处容重(KN/m^3)　€ — é";
    const auto bytes = encode(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(decode(*bytes), text);
}

}  // namespace
}  // namespace tavrel::gbk
