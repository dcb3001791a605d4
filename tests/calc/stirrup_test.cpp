// Stirrup shear check: the dialog's defaults, its spacing check, the percentage cap and the closing rule.
#include "calc/stirrup.h"

#include <gtest/gtest.h>

#include <functional>

#include "calc/calculate.h"
#include "calc/design_code.h"
#include "calculated.h"
#include "test_support.h"

namespace tavrel {
namespace {

using test::sameSingle;

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
    ASSERT_TRUE(outcome);
    EXPECT_EQ(*outcome, "1024.50");
    EXPECT_TRUE(sameSingle(results.Asv, 0.000157000002f));
    EXPECT_TRUE(sameSingle(results.rhoSv, 0.00158585864f));
    EXPECT_TRUE(sameSingle(results.Vcs, 1024.50195f));
    EXPECT_EQ(results.fcuk, 30);
    EXPECT_EQ(results.fsv, 195);
}

TEST_F(StirrupTest, GradeAndDiameterSelectionsChangeStrengthAndArea) {
    design.load();
    design.selectGrade("HRB335");
    design.selectDiameter("12");
    ASSERT_TRUE(design.press("15", "C40"));
    EXPECT_EQ(results.fsv, 280);
    EXPECT_EQ(results.fcuk, 40);
    EXPECT_EQ(results.stirrupGrade, "HRB335");
    EXPECT_EQ(results.dSv, 12.0f);
    EXPECT_TRUE(sameSingle(results.Asv, 0.000226200005f));
    EXPECT_TRUE(sameSingle(results.Vcs, 1292.8855f));
    EXPECT_EQ(results.sv, 15);
}

TEST_F(StirrupTest, SpacingThatIsNotAPositiveWholeNumberIsRefusedAndKeepsTheRecord) {
    design.load();
    ASSERT_TRUE(design.press("12", "C30"));
    const CalculationResults before = results;
    for (const char* spacing : {"0", "-5", "", "abc", "0.4", "10cm"}) {
        const auto outcome = design.press(spacing, "C30");
        ASSERT_FALSE(outcome) << spacing;
        EXPECT_EQ(outcome.error().message, kStirrupSpacingMessage) << spacing;
        EXPECT_FALSE(outcome.error().field) << spacing;
        EXPECT_EQ(results, before) << spacing;
    }
    const auto huge = design.press("40000", "C30");
    ASSERT_FALSE(huge);
    EXPECT_EQ(huge.error().message, "箍筋间距超出允许范围,请重新输入");
}

TEST_F(StirrupTest, SpacingRoundsHalvesToEven) {
    design.load();
    static_cast<void>(design.press("12.5", "C30"));
    EXPECT_EQ(results.sv, 12);
    static_cast<void>(design.press("13.5", "C30"));
    EXPECT_EQ(results.sv, 14);
}

TEST(StirrupCapacity, PercentageAboveTwoPointFiveIsCappedAndMeetsTheFormulaAtTheCap) {
    const float atCap = stirrupShearCapacity(designCode(Edition::Jtg2004), 1, 1, 2.5f, 30, 0.002f, 195);
    const float aboveCap = stirrupShearCapacity(designCode(Edition::Jtg2004), 1, 1, 2.6f, 30, 0.002f, 195);
    const float farAbove = stirrupShearCapacity(designCode(Edition::Jtg2004), 1, 1, 10.0f, 30, 0.002f, 195);
    EXPECT_EQ(atCap, aboveCap);
    EXPECT_EQ(atCap, farAbove);
    // b = h0 = 1 m: 1000·0.000495·1000·(3.5·√30·0.002·195)^(1/2)
    EXPECT_TRUE(sameSingle(atCap, 1353.47998f));
    EXPECT_LT(stirrupShearCapacity(designCode(Edition::Jtg2004), 1, 1, 2.4f, 30, 0.002f, 195), atCap);
}

// The defaults give Vcs 1024.50 kN against Vc 891.45 kN; the design shear is set around it.
TEST_F(StirrupTest, ClosingPassesOnlyWhenCapacityStrictlyExceedsTheDesignShear) {
    design.load();
    ASSERT_TRUE(design.press("10", "C30"));
    results.gamma0Vd = results.Vcs;
    auto update = design.close("1024.50");
    EXPECT_FALSE(update.passed);
    EXPECT_EQ(update.caption, "斜截面抗剪承载力验算未通过");
    EXPECT_EQ(update.mainJLKLText, "1024.50");  // larger than Vc
    EXPECT_EQ(update.mainZDJLText, std::nullopt);

    results.gamma0Vd = std::nextafter(results.Vcs, 0.0f);
    update = design.close("1024.50");
    EXPECT_TRUE(update.passed);
    EXPECT_EQ(update.caption, "斜截面抗剪承载力验算通过√");
    EXPECT_EQ(update.mainJLKLText, "1024.50");
    EXPECT_EQ(update.mainZDJLText, "1024.50");
}

TEST_F(StirrupTest, FailedClosingShowsTheLargerResistance) {
    struct Case {
        const char* name;
        std::optional<float> Vc;  // none: equal to Vcs
        std::optional<std::string> mainJLKLText;
    };
    const Case cases[] = {{"Vcs larger", 891.45f, "1024.50"},
                          {"Vc larger", 1100.0f, std::nullopt},
                          {"equal keeps Vc", std::nullopt, std::nullopt}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        design.load();
        ASSERT_TRUE(design.press("10", "C30"));
        results.gamma0Vd = 2000;
        results.Vc = c.Vc.value_or(results.Vcs);
        const auto update = design.close("1024.50");
        EXPECT_FALSE(update.passed);
        EXPECT_EQ(update.mainJLKLText, c.mainJLKLText);
        EXPECT_EQ(update.mainZDJLText, std::nullopt);
    }
}

// A section that needs stirrups: the defaults with ftd 0.1 MPa, Vc = 625 × 0.1 × 0.99 × 1.0365 = 64.13 kN
// below the design shear 793.78 kN; R235 10 mm stirrups at 10 cm give Vcs 1024.50 kN, which passes.
CalculationResults sectionNeedingStirrups() {
    DesignInput input;
    input.chkHNTKL = true;
    input.txtHNTKL = "0.1";
    return test::calculated(input);
}

// The stored Vcs counts only when the button computed it for the calculation in the record and for the
// stirrups selected now; otherwise closing copies nothing and the verdict fails as Vcs = 0 would, though
// a stale Vcs would pass.
TEST(StirrupClosing, OnlyACapacityComputedForTheShownCalculationAndStirrupsCounts) {
    struct Case {
        const char* name;
        std::function<void(StirrupDesign&)> steps;
        bool current;
    };
    const auto press = [](StirrupDesign& d) { ASSERT_TRUE(d.press("10", "C30")); };
    const Case cases[] = {
        {"load, close", [](StirrupDesign& d) { d.load(); }, false},
        {"load, press, close",
         [&](StirrupDesign& d) {
             d.load();
             press(d);
         },
         true},
        {"press, recalculate, close",
         [&](StirrupDesign& d) {
             d.load();
             press(d);
             d.sectionRecalculated();
         },
         false},
        {"press, close, load again, close",
         [&](StirrupDesign& d) {
             d.load();
             press(d);
             d.load();
         },
         false},
        {"press, recalculate, press again",
         [&](StirrupDesign& d) {
             d.load();
             press(d);
             d.sectionRecalculated();
             press(d);
         },
         true},
        {"press, refused press",
         [&](StirrupDesign& d) {
             d.load();
             press(d);
             EXPECT_FALSE(d.press("0", "C30"));
         },
         true},
        {"press, another diameter",
         [&](StirrupDesign& d) {
             d.load();
             press(d);
             d.selectDiameter("8");
         },
         false},
        {"press, another grade",
         [&](StirrupDesign& d) {
             d.load();
             press(d);
             d.selectGrade("HRB335");
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalculationResults record = sectionNeedingStirrups();
        StirrupDesign fresh(record);
        c.steps(fresh);
        EXPECT_EQ(fresh.hasCurrentCapacity(), c.current);
        const auto update = fresh.close("1024.50");
        EXPECT_EQ(update.passed, c.current);
        EXPECT_EQ(update.caption, c.current ? "斜截面抗剪承载力验算通过√" : "斜截面抗剪承载力验算未通过");
        EXPECT_EQ(update.mainJLKLText.has_value(), c.current);
        EXPECT_EQ(update.mainZDJLText.has_value(), c.current);
    }
}

// A dialog left open while the section is changed so that it needs no stirrups (Vc 891.45 kN against
// 793.78 kN): closing it keeps that calculation's pass and its numbers.
TEST_F(StirrupTest, ClosingWithoutACurrentCapacityKeepsThePassOfASectionNeedingNoStirrups) {
    results = sectionNeedingStirrups();
    design.load();
    ASSERT_TRUE(design.press("10", "C30"));
    calculate(DesignInput{}, results);
    design.sectionRecalculated();
    const auto update = design.close("1024.50");
    EXPECT_TRUE(update.passed);
    EXPECT_EQ(update.caption, "斜截面抗剪承载力验算通过√");
    EXPECT_EQ(update.mainJLKLText, std::nullopt);
    EXPECT_EQ(update.mainZDJLText, std::nullopt);
}

}  // namespace
}  // namespace tavrel
