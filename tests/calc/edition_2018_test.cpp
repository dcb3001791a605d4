// The calculation under JTG D60-2015 + JTG 3362-2018 against the worked numbers of the edition, stored
// single for stored single, and the 2004 calculation it must leave alone.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "base/numbers.h"
#include "calc/calculate.h"
#include "calc/stirrup.h"
#include "calculated.h"
#include "worked_inputs_2018.h"

namespace tavrel {
namespace {

using test::calculated;
using test::freshResults;
using test::under2018;

struct Worked {
    const char* name;
    float CalculationResults::*field;
    float value;  // the stored single, by its shortest decimal
};

void expectWorked(const CalculationResults& r, std::initializer_list<Worked> values) {
    for (const Worked& worked : values) {
        EXPECT_EQ(r.*worked.field, worked.value) << worked.name;
    }
}

#define FIELD(name) #name, &CalculationResults::name

TEST(Edition2018Worked, DefaultBuriedSlabWithHrb400) {
    const CalculationResults r = calculated(under2018());
    // clang-format off
    expectWorked(r, {
        {FIELD(gamma0), 1},             {FIELD(q), 392.04f},            {FIELD(g), 27.348751f},
        {FIELD(M1), 756.9967f},         {FIELD(V1), 733.93036f},        {FIELD(La), 38.4034f},
        {FIELD(Lb), 27.8034f},          {FIELD(P), 550},                {FIELD(p), 0.51510423f},
        {FIELD(M2), 0.92976314f},       {FIELD(V2), 0.9014324f},        {FIELD(impact), 1},
        {FIELD(gamma0Md), 910.06964f},  {FIELD(gamma0Vd), 882.339f},    {FIELD(Ms), 757.6475f},
        {FIELD(Ml), 757.3686f},         {FIELD(h0), 1.0365f},           {FIELD(x0), 0.083715014f},
        {FIELD(As0), 0.0034658017f},    {FIELD(As), 0.0068726f},        {FIELD(x), 0.16600482f},
        {FIELD(Mu), 2162.4924f},        {FIELD(Vc), 891.4548f},         {FIELD(Vmax), 2866.3901f},
        {FIELD(rhoPct), 0.66975594f},   {FIELD(aS), 0.0435f},           {FIELD(rhoTe0), 0.079793334f},
        {FIELD(rhoTe), 0.079793334f},   {FIELD(cw), 30},                {FIELD(sigmaSs), 122.25246f},
        {FIELD(C2), 1.499816f},         {FIELD(Wfk), 0.11699092f},      {FIELD(Wlim), 0.2f}});
    // clang-format on
    EXPECT_EQ(toSingle(static_cast<double>(r.xiB) * r.h0), 0.54934496f);
    EXPECT_EQ(r.edition, Edition::Jtg2018);
    EXPECT_EQ(r.safetyClass, 2);
    EXPECT_EQ(r.safetyName, "二级");
    EXPECT_EQ(r.fcukGrade, 30);
    EXPECT_EQ(r.barGrade, "HRB400");
    EXPECT_EQ(r.envName, "一般环境");
}

TEST(Edition2018Worked, DefaultBuriedSlabPassesEveryCheckAndShowsItsResults) {
    CalculationResults r = freshResults();
    const auto outcome = runCalculateCommand(under2018(), r);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->texts, (ResultTexts{"910.07", "2162.49", "882.34", "891.45", "0.20", "0.12"}));
    EXPECT_TRUE(outcome->messages().empty());
    EXPECT_FALSE(outcome->opensStirrupDialog);
}

struct ClassCase {
    const char* name;
    SafetyClass safetyClass;
    float gamma0;
    float gamma0Md;
    float gamma0Vd;
};

// The safety class changes γ0 and the design values, never the serviceability moments or the crack width.
TEST(Edition2018Worked, SafetyClassScalesTheDesignValuesOnly) {
    const CalculationResults second = calculated(under2018());
    const ClassCase cases[] = {
        {"一级", SafetyClass::First, 1.1f, 1001.0766f, 970.57294f},
        {"二级", SafetyClass::Second, 1.0f, 910.06964f, 882.339f},
        {"三级", SafetyClass::Third, 0.9f, 819.0626f, 794.1051f},
    };
    for (const ClassCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CalculationResults r = calculated(under2018({}, c.safetyClass));
        EXPECT_EQ(r.safetyName, c.name);
        EXPECT_EQ(r.gamma0, c.gamma0);
        EXPECT_EQ(r.gamma0Md, c.gamma0Md);
        EXPECT_EQ(r.gamma0Vd, c.gamma0Vd);
        EXPECT_EQ(r.Ms, second.Ms);
        EXPECT_EQ(r.Ml, second.Ml);
        EXPECT_EQ(r.Wfk, second.Wfk);
    }
}

struct FillCase {
    const char* name;
    SlabType type;
    const char* fill;
    const char* gamma0Md;
    const char* gamma0Vd;
    const char* Ms;
    const char* Ml;
    const char* gamma0MdThird;
};

// The worked table gives these to two decimals: compared as the window's "0.00" texts.
TEST(Edition2018Worked, OtherFillsAndTheOpenSlab) {
    const FillCase cases[] = {
        {"buried under 2.0 m", SlabType::Buried, "2.0", "185.85", "180.18", "132.91", "124.68", "167.26"},
        {"buried under 0.5 m", SlabType::Buried, "0.5", "169.81", "171.28", "100.94", "85.73", "152.83"},
        {"open", SlabType::Open, "22", "320.49", "331.09", "132.18", "99.80", "288.44"},
    };
    for (const FillCase& c : cases) {
        SCOPED_TRACE(c.name);
        DesignInput input = under2018();
        input.slabType = c.type;
        input.txtTTG = c.fill;
        const CalculationResults r = calculated(input);
        EXPECT_EQ(formatTwoDecimals(r.gamma0Md), c.gamma0Md);
        EXPECT_EQ(formatTwoDecimals(r.gamma0Vd), c.gamma0Vd);
        EXPECT_EQ(formatTwoDecimals(r.Ms), c.Ms);
        EXPECT_EQ(formatTwoDecimals(r.Ml), c.Ml);
        EXPECT_EQ(formatTwoDecimals(calculated(under2018(input, SafetyClass::Third)).gamma0Md),
                  c.gamma0MdThird);
    }
}

TEST(Edition2018Worked, OpenSlabTakesTheImpactInTheCombinationOnly) {
    const CalculationResults r = calculated(test::openNeedingStirrups2018());
    // clang-format off
    expectWorked(r, {
        {FIELD(gamma0), 1},             {FIELD(impact), 1.3f},          {FIELD(q), 4.0293f},
        {FIELD(g), 7.425f},             {FIELD(M1), 7.2484245f},        {FIELD(V1), 11.4543f},
        {FIELD(La), 0.2f},              {FIELD(Lb), 0.6f},              {FIELD(P), 70},
        {FIELD(p), 583.3333f},          {FIELD(M2), 62.708332f},        {FIELD(V2), 110.83333f},
        {FIELD(gamma0Md), 155.43561f},  {FIELD(gamma0Vd), 273.09512f},  {FIELD(Ms), 51.144257f},
        {FIELD(Ml), 32.331757f},        {FIELD(h0), 0.259f},            {FIELD(x0), 0.06243463f},
        {FIELD(As0), 0.0025847936f},    {FIELD(As), 0.0037703998f},     {FIELD(x), 0.091072455f},
        {FIELD(Mu), 265.59845f},        {FIELD(Vc), 222.7562f},         {FIELD(Vmax), 716.2519f},
        {FIELD(rhoPct), 1.4704573f},    {FIELD(aS), 0.041f},            {FIELD(rhoTe), 0.046444934f},
        {FIELD(cw), 30},                {FIELD(sigmaSs), 60.19916f},    {FIELD(C2), 1.3160839f},
        {FIELD(Wfk), 0.051890813f},     {FIELD(Wlim), 0.2f}});
    // clang-format on
}

TEST(Edition2018Worked, OpenSlabPassesTheUpperLimitButNeedsStirrupsOfHpb300) {
    CalculationResults r = freshResults();
    const auto outcome = runCalculateCommand(test::openNeedingStirrups2018(), r);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->texts, (ResultTexts{"155.44", "265.60", "273.10", "222.76", "0.20", "0.05"}));
    EXPECT_EQ(outcome->messages(),
              std::vector<std::string>{"斜截面抗剪承载力不足，请输入箍筋数据并验算斜截面抗剪承载力"});
    EXPECT_TRUE(outcome->opensStirrupDialog);

    StirrupDesign design(r);
    EXPECT_EQ(std::string(design.defaultGrade()), "HPB300");
    ASSERT_EQ(design.gradeEntries().size(), 2u);
    EXPECT_EQ(design.gradeEntries()[1].name, "HRB400");
    EXPECT_EQ(design.load(), "273.10");
    EXPECT_EQ(r.stirrupGrade, "HPB300");
    const auto vcs = design.press("10", "C30");
    ASSERT_TRUE(vcs);
    EXPECT_EQ(*vcs, "288.67");
    EXPECT_EQ(r.Asv, 0.000157f);
    EXPECT_EQ(r.rhoSv, 0.0015858586f);
    EXPECT_EQ(r.fcuk, 30);
    EXPECT_EQ(r.fsv, 250);
    EXPECT_EQ(r.Vcs, 288.66736f);
    const StirrupClosingUpdate closing = design.close(*vcs);
    EXPECT_TRUE(closing.passed);
    EXPECT_EQ(closing.mainJLKLText, "288.67");

    design.selectGrade("HRB400");
    ASSERT_TRUE(design.press("10", "C30"));
    EXPECT_EQ(r.fsv, 330);
}

TEST(Edition2018Worked, CustomLoadWithHpb300InSafetyClassOne) {
    CalculationResults r = freshResults();
    const auto outcome = runCalculateCommand(test::customHpb300FirstClass2018(), r);
    ASSERT_TRUE(outcome);
    // clang-format off
    expectWorked(r, {
        {FIELD(gamma0), 1.1f},          {FIELD(g), 27.348751f},         {FIELD(M1), 14},
        {FIELD(V1), 14.285714f},        {FIELD(M2), 9.5f},              {FIELD(V2), 5},
        {FIELD(M3), 49.364494f},        {FIELD(V3), 47.860313f},        {FIELD(gamma0Md), 102.45113f},
        {FIELD(gamma0Vd), 91.93276f},   {FIELD(Ms), 70.014496f},        {FIELD(Ml), 67.1645f},
        {FIELD(h0), 1.039f},            {FIELD(x0), 0.0090613905f},     {FIELD(As0), 0.0004951869f},
        {FIELD(As), 0.0043988f},        {FIELD(x), 0.08049334f},        {FIELD(Mu), 1098.3291f},
        {FIELD(Vc), 893.605f},          {FIELD(Vmax), 2873.304f},       {FIELD(rhoPct), 0.42764506f},
        {FIELD(aS), 0.041f},            {FIELD(rhoTe), 0.05418576f},    {FIELD(sigmaSs), 17.60836f},
        {FIELD(C1), 1.4f},              {FIELD(Es), 210000},            {FIELD(xiB), 0.58f},
        {FIELD(fsd), 250},              {FIELD(C2), 1.479647f},         {FIELD(Wfk), 0.022090418f}});
    // clang-format on
    // Vc = 893.605 (the single 893.60498..) shows as 893.61: the window rounds the seven-digit general form
    // half away from zero, as it always has (1.0365 shows as 1.037).
    EXPECT_EQ(outcome->texts, (ResultTexts{"102.45", "1098.33", "91.93", "893.61", "0.20", "0.02"}));
    EXPECT_TRUE(outcome->messages().empty());
}

// The default buried slab made 30 cm thick at the supports: the section is too small for the shear.
TEST(Edition2018Worked, SectionTooSmallForTheShearFailsCheckFiveWithoutTheStirrupDialog) {
    CalculationResults r = freshResults();
    const auto outcome = runCalculateCommand(test::sectionTooSmallForShear2018(), r);
    ASSERT_TRUE(outcome);
    // clang-format off
    expectWorked(r, {
        {FIELD(h0), 0.2565f},           {FIELD(gamma0Md), 866.91473f},  {FIELD(gamma0Vd), 840.49915f},
        {FIELD(Vmax), 709.33826f},      {FIELD(Vc), 220.60603f},        {FIELD(Mu), 393.48526f},
        {FIELD(Ms), 721.6851f},         {FIELD(sigmaSs), 470.56546f},   {FIELD(Wfk), 0.45031035f}});
    // clang-format on
    const std::vector<bool> passed = {false, true, false, false, false};
    for (std::size_t i = 0; i < passed.size(); ++i) {
        EXPECT_EQ(outcome->verdicts[i].passed, passed[i]) << outcome->verdicts[i].label;
    }
    EXPECT_EQ(outcome->verdicts[4].caption, "斜截面抗剪承载力验算未通过");
    EXPECT_EQ(
        outcome->messages(),
        (std::vector<std::string>{"受压区高度为0.17，大于《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG "
                                  "3362-2018)中5.2.1对于HRB400"
                                  "钢筋的相对界限受压区高度0.53×截面有效高度0.2565=0."
                                  "14，应减小主筋面积、减少主筋根数或增大截面尺寸。",
                                  "正截面抗弯承载力验算未通过，应增大主筋面积、增加主筋根数或增大截面尺寸。",
                                  "最大裂缝宽度验算未通过。",
                                  "抗剪截面尺寸不满足《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG "
                                  "3362-2018)中5.2.11的要求，应增大截面尺寸或提高混凝土强度等级。"}));
    EXPECT_FALSE(outcome->opensStirrupDialog);
    EXPECT_EQ(outcome->texts.txtJLKL, "220.61");  // Vc, also when the upper limit fails
}

// Stirrups computed in a dialog left open never pass a section that is too small.
TEST(Edition2018Worked, StirrupsDoNotPassASectionTooSmallForTheShear) {
    CalculationResults r = calculated(test::sectionTooSmallForShear2018());
    StirrupDesign design(r);
    design.load();
    design.selectDiameter("20");
    ASSERT_TRUE(design.press("5", "C30"));
    ASSERT_GT(r.Vcs, r.gamma0Vd);
    EXPECT_FALSE(design.close("").passed);
}

TEST(Edition2018Worked, MinimumReinforcementMessageCitesTheEdition) {
    CalculationResults r = calculated(under2018());
    EXPECT_EQ(minimumReinforcementMessage(r),
              "主筋配筋率为0.67%，不满足《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG "
              "3362-2018)中9.1.12关于受弯构件最小配筋率的要求，应增大主筋面积、增加主筋根数或减小截面尺寸。");
}

struct CoverCase {
    const char* cover;
    float cw;
};

// The cover enters the crack formula in mm and at most 50; the effective ratio keeps within 0.01 .. 0.1.
TEST(Edition2018Crack, CoverIsCappedAtFiftyMillimetres) {
    const CoverCase cases[] = {{"3", 30}, {"5", 50}, {"5.5", 50}, {"7", 50}, {"2.5", 25}};
    for (const CoverCase& c : cases) {
        DesignInput input = under2018();
        input.txtBHC = c.cover;
        EXPECT_EQ(calculated(input).cw, c.cw) << c.cover;
    }
}

struct RatioCase {
    const char* name;
    const char* bars;
    const char* diameter;
    bool below;  // rhoTe0 below 0.01 (else above 0.1)
};

TEST(Edition2018Crack, EffectiveRatioIsBoundedToItsSingleLimits) {
    const RatioCase cases[] = {{"two bars of 16 mm", "2", "16", true},
                               {"sixty bars of 32 mm", "60", "32", false}};
    for (const RatioCase& c : cases) {
        SCOPED_TRACE(c.name);
        DesignInput input = under2018();
        input.txtZJGS = c.bars;
        input.CboZJZJ = c.diameter;
        const CalculationResults r = calculated(input);
        EXPECT_EQ(r.rhoTe0 < 0.01f, c.below);
        EXPECT_EQ(r.rhoTe0 > 0.1f, !c.below);
        EXPECT_EQ(r.rhoTe, c.below ? 0.01f : 0.1f);
    }
}

// Under the 2004 edition every result is as it was; the 2018 fields are not written.
TEST(Edition2004Unchanged, CalculationAfterA2018OneGivesThe2004ResultsAgain) {
    const CalculationResults alone = calculated(DesignInput{});
    CalculationResults r = freshResults();
    calculate(under2018(), r);
    calculate(DesignInput{}, r);
    for (const Worked& worked : std::initializer_list<Worked>{{FIELD(p), alone.p},
                                                              {FIELD(gamma0Md), alone.gamma0Md},
                                                              {FIELD(gamma0Vd), alone.gamma0Vd},
                                                              {FIELD(Mu), alone.Mu},
                                                              {FIELD(sigmaSs), alone.sigmaSs},
                                                              {FIELD(Wfk), alone.Wfk},
                                                              {FIELD(C2), 1.5f},
                                                              {FIELD(rho), alone.rho}}) {
        EXPECT_EQ(r.*worked.field, worked.value) << worked.name;
    }
    EXPECT_EQ(r.edition, Edition::Jtg2004);
    EXPECT_EQ(alone.Ms, 0.0f);
    EXPECT_EQ(alone.Vmax, 0.0f);
    EXPECT_EQ(alone.safetyName, "");
}

#undef FIELD

}  // namespace
}  // namespace tavrel
