// Number semantics: single storage, 16-bit half-even counts, strict and lenient parsing, the two text forms.
#include "base/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tavrel {
namespace {

struct HalfEvenCase {
    double value;
    std::optional<std::int16_t> expected;
};

TEST(Int16HalfEven, RoundsHalvesToTheEvenNumberAndRefusesValuesBeyond16Bits) {
    const HalfEvenCase cases[] = {
        {14.5, 14},
        {15.5, 16},
        {2.5, 2},
        {0.4, 0},
        {0.5, 0},
        {0.6, 1},
        {-2.5, -2},
        {32767.0, 32767},
        {32767.4, 32767},
        {32767.5, std::nullopt},
        {-32768.0, -32768},
        {-32768.6, std::nullopt},
        {1e9, std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toInt16HalfEven(c.value), c.expected) << c.value;
    }
}

struct ParseCase {
    const char* text;
    std::optional<double> expected;
};

TEST(ParseStrict, AcceptsPlainDecimalNumbersWithSignExponentAndSurroundingBlanks) {
    const ParseCase cases[] = {
        {"3.5", 3.5}, {"  22 ", 22}, {"\t0.99\t", 0.99}, {"+4", 4},     {"-1", -1}, {".5", 0.5},
        {"5.", 5},    {"1e3", 1000}, {"2.5E-1", 0.25},   {"1e+2", 100}, {"0", 0},   {"007", 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseStrict(c.text), c.expected) << c.text;
    }
}

TEST(ParseStrict, RefusesEmptyTextLettersGarbageSeparatorsAndOverflow) {
    const char* refused[] = {"",    "   ", "abc", "12abc", "1.2.3", "1,000", "3,5",   "e5",  "1e",
                             "- 1", "+",   ".",   "inf",   "nan",   "0x10",  "1e400", "1 2", "１２"};
    for (const char* text : refused) {
        EXPECT_FALSE(parseStrict(text).has_value()) << text;
    }
}

TEST(ParseLenient, TakesTheLeadingNumberIgnoringBlanksAndGivesZeroWithoutOne) {
    const ParseCase cases[] = {
        {"3.5", 3.5}, {" 3 . 5 ", 3.5}, {"108cm", 108}, {"abc", 0}, {"", 0},       {"0.3m", 0.3},
        {"-2", -2},   {"1e2x", 100},    {"1,5", 1},     {"1e", 1},  {".25", 0.25},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseLenient(c.text), c.expected) << c.text;
    }
}

struct SingleFormatCase {
    float value;
    const char* general;
    const char* twoDecimals;
    const char* threeDecimals;
};

TEST(FormatSingle, GeneralFormHasSevenSignificantDigitsAndFixedFormsRoundItHalfAwayFromZero) {
    const SingleFormatCase cases[] = {
        {3.0f, "3", "3.00", "3.000"},
        {0.5f, "0.5", "0.50", "0.500"},
        {1.0392f, "1.0392", "1.04", "1.039"},
        {1.0365f, "1.0365", "1.04", "1.037"},
        {0.577f, "0.577", "0.58", "0.577"},
        {818.7349f, "818.7349", "818.73", "818.735"},
        {1859.0437f, "1859.044", "1859.04", "1859.044"},
        {0.0068726f, "0.0068726", "0.01", "0.007"},
        {0.000157f, "0.000157", "0.00", "0.000"},
        {-0.001f, "-0.001", "0.00", "-0.001"},
        {-2.345f, "-2.345", "-2.35", "-2.345"},
        {9.995f, "9.995", "10.00", "9.995"},
        {210000.0f, "210000", "210000.00", "210000.000"},
        {0.0f, "0", "0.00", "0.000"},
        {-0.0f, "0", "0.00", "0.000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatGeneral(c.value), c.general) << c.value;
        EXPECT_EQ(formatFixed(c.value, 2), c.twoDecimals) << c.value;
        EXPECT_EQ(formatFixed(c.value, 3), c.threeDecimals) << c.value;
    }
}

TEST(FormatDouble, GeneralFormHasFifteenSignificantDigits) {
    EXPECT_EQ(formatGeneral(3.5 + 0.3), "3.8");
    EXPECT_EQ(formatGeneral(3.5 + 1.08), "4.58");
    EXPECT_EQ(formatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatGeneral(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(formatFixed(0.285, 2), "0.29");
    EXPECT_EQ(formatFixed(2.675, 2), "2.68");
    EXPECT_EQ(formatFixed(0.000157, 6), "0.000157");
    EXPECT_EQ(formatFixed(0.0068726, 6), "0.006873");
    EXPECT_EQ(formatFixed(0.00015, 4), "0.0002");
}

TEST(FormatNonFinite, NeverShowsNanOrInfinity) {
    for (double value : {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        for (const std::string& text :
             {formatGeneral(value), formatFixed(value, 2), formatGeneral(static_cast<float>(value))}) {
            EXPECT_EQ(text.find("nan"), std::string::npos);
            EXPECT_EQ(text.find("inf"), std::string::npos);
        }
    }
}

TEST(ToSingle, RoundsToTheNearestSingleAndKnowsItsRange) {
    EXPECT_EQ(toSingle(1.0365), 1.0365f);
    EXPECT_TRUE(fitsSingle(3.0e38));
    EXPECT_FALSE(fitsSingle(1.0e39));
    EXPECT_FALSE(fitsSingle(-1.0e39));
}

}  // namespace
}  // namespace tavrel
