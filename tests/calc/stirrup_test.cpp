// Stirrup shear check: the dialog's defaults, its spacing check, the percentage cap and the closing rule.
#include "calc/stirrup.h"

#include <gtest/gtest.h>

#include "calc/calculate.h"
#include "test_support.h"

namespace tavrel {
namespace {

using test::near;

class StirrupTest : public ::testing::Test {
protected:
    void SetUp() override {
        initialiseCrackWidthFactors(results);
        calculate(DesignInput{}, results);
    }
    CalculationResults results;
    StirrupDesign design{results};
};

TEST_F(StirrupTest, DefaultsGiveTheWorkedShearCapacity) {
    EXPECT_EQ(design.load(), "793.78");
    EXPECT_EQ(results.stirrupGrade, "R235");
    EXPECT_EQ(results.dSv, 10.0f);
    EXPECT_EQ(results.sv, 10);
    const auto outcome = design.press("10", "C30");
    ASSERT_FALSE(outcome.refusal);
    EXPECT_EQ(outcome.vcsText, "1024.50");
    EXPECT_TRUE(near(results.Asv, 0.000157));
    EXPECT_TRUE(near(results.rhoSv, 0.001586, 3e-4));
    EXPECT_EQ(results.fcuk, 30);
    EXPECT_EQ(results.fsv, 195);
}

TEST_F(StirrupTest, GradeAndDiameterSelectionsChangeStrengthAndArea) {
    design.load();
    design.selectGrade("HRB335");
    design.selectDiameter("12");
    ASSERT_FALSE(design.press("15", "C40").refusal);
    EXPECT_EQ(results.fsv, 280);
    EXPECT_EQ(results.fcuk, 40);
    EXPECT_EQ(results.stirrupGrade, "HRB335");
    EXPECT_EQ(results.dSv, 12.0f);
    EXPECT_TRUE(near(results.Asv, 0.0002262));
    EXPECT_EQ(results.sv, 15);
}

TEST_F(StirrupTest, SpacingThatIsNotAPositiveWholeNumberIsRefusedAndKeepsTheRecord) {
    design.load();
    ASSERT_FALSE(design.press("12", "C30").refusal);
    const CalculationResults before = results;
    for (const char* spacing : {"0", "-5", "", "abc", "0.4", "10cm"}) {
        const auto outcome = design.press(spacing, "C30");
        ASSERT_TRUE(outcome.refusal) << spacing;
        EXPECT_EQ(*outcome.refusal, kStirrupSpacingMessage) << spacing;
        EXPECT_EQ(results, before) << spacing;
    }
    const auto huge = design.press("40000", "C30");
    ASSERT_TRUE(huge.refusal);
    EXPECT_EQ(*huge.refusal, "箍筋间距超出允许范围,请重新输入");
}

TEST_F(StirrupTest, SpacingRoundsHalvesToEven) {
    design.load();
    design.press("12.5", "C30");
    EXPECT_EQ(results.sv, 12);
    design.press("13.5", "C30");
    EXPECT_EQ(results.sv, 14);
}

TEST(StirrupCapacity, PercentageAboveTwoPointFiveIsCappedAndMeetsTheFormulaAtTheCap) {
    const float atCap = stirrupShearCapacity(1, 1, 2.5f, 30, 0.002f, 195);
    const float aboveCap = stirrupShearCapacity(1, 1, 2.6f, 30, 0.002f, 195);
    const float farAbove = stirrupShearCapacity(1, 1, 10.0f, 30, 0.002f, 195);
    EXPECT_EQ(atCap, aboveCap);
    EXPECT_EQ(atCap, farAbove);
    // b = h0 = 1 m: 1000·0.000495·1000·(3.5·√30·0.002·195)^(1/2)
    EXPECT_TRUE(near(atCap, 495 * std::sqrt(3.5 * std::sqrt(30.0) * 0.002 * 195)));
    EXPECT_LT(stirrupShearCapacity(1, 1, 2.4f, 30, 0.002f, 195), atCap);
}

TEST_F(StirrupTest, ClosingPassesOnlyWhenCapacityStrictlyExceedsTheDesignShear) {
    design.load();
    results.Vcs = results.gamma0Vd;
    auto update = design.close("793.78");
    EXPECT_FALSE(update.passed);
    EXPECT_EQ(update.caption, "斜截面抗剪承载力验算未通过");
    EXPECT_EQ(update.mainJLKLText, std::nullopt);  // Vc (891.45) is larger

    results.Vcs = std::nextafter(results.gamma0Vd, 1e9f);
    update = design.close("793.78");
    EXPECT_TRUE(update.passed);
    EXPECT_EQ(update.caption, "斜截面抗剪承载力验算通过√");
    EXPECT_EQ(update.mainJLKLText, "793.78");
    EXPECT_EQ(update.mainZDJLText, "793.78");
}

TEST_F(StirrupTest, FailedClosingShowsTheLargerResistance) {
    design.load();
    results.gamma0Vd = 2000;
    results.Vcs = 1024.5f;
    const auto update = design.close("1024.50");
    EXPECT_FALSE(update.passed);
    EXPECT_EQ(update.mainJLKLText, "1024.50");
    EXPECT_EQ(update.mainZDJLText, std::nullopt);
}

TEST(StirrupClosing, WithoutAnyPressTheCapacityIsZeroAndTheVerdictFails) {
    CalculationResults results;
    initialiseCrackWidthFactors(results);
    calculate(DesignInput{}, results);
    StirrupDesign design(results);
    design.load();
    const auto update = design.close("");
    EXPECT_FALSE(update.passed);
    EXPECT_EQ(update.mainJLKLText, std::nullopt);
}

}  // namespace
}  // namespace tavrel
