// The five input checks of the 2018 edition: when they refuse, with which message and which control.
#include <gtest/gtest.h>

#include <string>

#include "calc/validation.h"
#include "test_support.h"
#include "worked_inputs_2018.h"

namespace tavrel {
namespace {

using test::PrintTo;
// The default record switched to the 2018 edition: C30, HRB400, Φ25, I类环境, cover 3 cm.
using test::under2018;

struct MaterialCase {
    const char* name;
    const char* concrete;
    const char* bars;
    const char* diameter;
    const char* environment;
    const char* cover;
    std::optional<InputControl> focus;  // none: the input passes
    const char* message;
};

class Validation2018Test : public ::testing::TestWithParam<MaterialCase> {};

TEST_P(Validation2018Test, MaterialsAndCoverAreCheckedAfterTheTwentyValueChecks) {
    const MaterialCase& c = GetParam();
    DesignInput input = under2018();
    input.CboHNTDJ = c.concrete;
    input.CboZJDJ = c.bars;
    input.CboZJZJ = c.diameter;
    input.CboHJLB = c.environment;
    input.txtBHC = c.cover;
    const Expected<void, Refusal> valid = validateInput(input);
    ASSERT_EQ(!valid, c.focus.has_value());
    if (c.focus) {
        EXPECT_EQ(valid.error().field, c.focus);
        EXPECT_EQ(valid.error().message, c.message);
        EXPECT_EQ(valid.error().code, ErrorCode::InputRefused);
    }
}

const InputControl kConcrete = ListField::CboHNTDJ;
const InputControl kDiameter = ListField::CboZJZJ;
const InputControl kCover = TextField::txtBHC;

INSTANTIATE_TEST_SUITE_P(
    Checks, Validation2018Test,
    ::testing::Values(
        MaterialCase{"DefaultsPass", "C30", "HRB400", "25", "I类环境", "3", std::nullopt, ""},
        MaterialCase{"Check21BarsOf400NeedC30", "C25", "HRB400", "25", "I类环境", "3", kConcrete,
                     "采用HRB400、HRBF400、RRB400或HRB500钢筋时混凝土强度等级不应低于C30,请重新选择"},
        MaterialCase{"Check21HoldsForHrb500", "C25", "HRB500", "25", "I类环境", "3", kConcrete,
                     "采用HRB400、HRBF400、RRB400或HRB500钢筋时混凝土强度等级不应低于C30,请重新选择"},
        MaterialCase{"Check22PlainBarsStillNeedTheClassGrade", "C25", "HPB300", "20", "I类环境", "3",
                     kConcrete, "I类环境下盖板混凝土强度等级不应低于C30,请重新选择"},
        MaterialCase{"Check22FreezeThawNeedsC35", "C30", "HRB400", "25", "II类环境", "3", kConcrete,
                     "II类环境下盖板混凝土强度等级不应低于C35,请重新选择"},
        MaterialCase{"Check22PassesAtTheClassGrade", "C35", "HRB400", "25", "VII类环境", "3", std::nullopt,
                     ""},
        MaterialCase{"Check23Hpb300AboveTwentyTwo", "C30", "HPB300", "25", "I类环境", "3", kDiameter,
                     "HPB300钢筋直径不应大于22mm,请重新选择"},
        MaterialCase{"Check23Hpb300AtTwentyTwoPasses", "C30", "HPB300", "22", "I类环境", "3", std::nullopt,
                     ""},
        MaterialCase{"Check24CoverOfClassIII", "C35", "HRB400", "20", "III类环境", "2.5", kCover,
                     "III类环境下保护层厚度不应小于3cm,请重新输入"},
        MaterialCase{"Check24CoverOfClassIIInHalfCentimetres", "C35", "HRB400", "20", "II类环境", "2.4",
                     kCover, "II类环境下保护层厚度不应小于2.5cm,请重新输入"},
        MaterialCase{"Check24PassesAtTheTableValue", "C35", "HRB400", "25", "II类环境", "2.5", std::nullopt,
                     ""},
        MaterialCase{"Check25CoverBelowTheBar", "C30", "HRB400", "25", "I类环境", "2.4", kCover,
                     "保护层厚度不应小于主筋直径,请重新输入"},
        MaterialCase{"Check25PassesAtTheBar", "C30", "HRB400", "32", "I类环境", "3.2", std::nullopt, ""}),
    [](const ::testing::TestParamInfo<MaterialCase>& info) { return std::string(info.param.name); });

// The twenty checks of the 2004 rules come first and keep their messages.
TEST(Validation2018, ValueChecksComeFirst) {
    DesignInput input = under2018();
    input.CboHNTDJ = "C25";
    input.txtBHC = "0";
    const Expected<void, Refusal> valid = validateInput(input);
    ASSERT_FALSE(valid);
    EXPECT_EQ(valid.error().field, TextField::txtBHC);
    EXPECT_EQ(valid.error().message, "保护层厚度应大于0,请重新输入");
}

// The 2004 rules check none of the five: C25 with HRB400 and a 2 cm cover over 25 mm bars is accepted.
TEST(Validation2018, The2004EditionKeepsItsTwentyChecks) {
    DesignInput input;
    input.CboHNTDJ = "C25";
    input.CboZJDJ = "HRB400";
    input.CboHJLB = "III类环境";
    input.txtBHC = "2";
    EXPECT_TRUE(validateInput(input));
    DesignInputTarget(input).selectEdition(Edition::Jtg2018);
    EXPECT_FALSE(validateInput(input));
}

}  // namespace
}  // namespace tavrel
