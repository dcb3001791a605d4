// Section design and the five checks, against worked values and at the equality boundaries.
#include "calc/section.h"

#include <gtest/gtest.h>

#include "calc/calculate.h"
#include "calculated.h"
#include "test_support.h"

namespace tavrel {
namespace {

using test::calculated;
using test::sameSingle;

TEST(Section, DefaultBuriedSlabMatchesTheWorkedValuesAndPassesAllChecks) {
    const auto r = calculated(DesignInput{});
    EXPECT_TRUE(sameSingle(r.h0, 1.0365f));
    EXPECT_TRUE(sameSingle(r.x0, 0.0749836043f));
    EXPECT_TRUE(sameSingle(r.As0, 0.00365866441f));
    EXPECT_TRUE(sameSingle(r.As, 0.00687259994f));
    EXPECT_TRUE(sameSingle(r.x, 0.140852585f));
    EXPECT_TRUE(sameSingle(r.Mu, 1859.04272f));
    EXPECT_TRUE(sameSingle(r.Vc, 891.454773f));
    EXPECT_TRUE(sameSingle(r.rhoPct, 0.669755936f));
    EXPECT_TRUE(sameSingle(r.rho, 0.00669755926f));
    EXPECT_TRUE(sameSingle(r.sigmaSs, 132.108276f));
    EXPECT_TRUE(sameSingle(r.Wfk, 0.180614606f));
    EXPECT_TRUE(sameSingle(r.Wlim, 0.2f));
    for (Check check : kChecksInOrder) {
        EXPECT_TRUE(checkPasses(r, check));
    }
}

TEST(Section, EffectiveDepthUsesTheEndThicknessNotTheMidspanThickness) {
    DesignInput thickerMid;
    thickerMid.txtBZH = "150";
    DesignInput thickerEnd;
    thickerEnd.txtBDH = "120";
    const auto base = calculated(DesignInput{});
    const auto mid = calculated(thickerMid);
    const auto end = calculated(thickerEnd);
    EXPECT_EQ(mid.h0, base.h0);
    EXPECT_GT(mid.g, base.g);
    EXPECT_TRUE(sameSingle(end.h0, 1.15649998f));  // (120 - 3 - 27/10/2) / 100
    EXPECT_GT(end.g, base.g);
}

struct RatioCase {
    float rhoPct;
    float rho;
};

// The crack-width ratio is bounded to 0.006 .. 0.02; the bounds themselves are not clamped.
TEST(Section, CrackWidthRatioIsBoundedAtTwoPercentAndPointSixPercent) {
    const RatioCase cases[] = {{2.0f, 0.02f}, {2.5f, 0.02f}, {0.6f, 0.006f}, {0.3f, 0.006f}, {1.0f, 0.01f}};
    for (const auto& c : cases) {
        // Choose As so that 100·As/b/h0 lands on the percentage: b = 1, h0 = 1.
        CalculationResults r = calculated(DesignInput{});
        r.b = 1;
        r.h0 = 1;
        r.nBars = 1;
        r.aBar = c.rhoPct * 100;  // cm² -> As = aBar / 10000 m² = rhoPct / 100
        designSection(r);
        EXPECT_EQ(r.rhoPct, c.rhoPct);
        EXPECT_EQ(r.rho, c.rho) << c.rhoPct;
    }
}

struct GradeCase {
    const char* grade;
    float xiB;
    float fsd;
};

TEST(Section, BarGradeSetsTheBalancedCompressionZoneAndStrength) {
    const GradeCase cases[] = {
        {"R235", 0.62f, 195}, {"HRB335", 0.56f, 280}, {"HRB400", 0.53f, 330}, {"KL400", 0.53f, 330}};
    for (const auto& c : cases) {
        DesignInput input;
        input.CboZJDJ = c.grade;
        const auto r = calculated(input);
        EXPECT_EQ(r.xiB, c.xiB) << c.grade;
        EXPECT_EQ(r.fsd, c.fsd) << c.grade;
    }
}

TEST(Section, EqualityPassesTheCapacityCrackAndShearChecks) {
    CalculationResults r = calculated(DesignInput{});
    r.Mu = r.gamma0Md;
    r.Wfk = r.Wlim;
    r.Vc = r.gamma0Vd;
    r.x = r.xiB * r.h0;
    EXPECT_TRUE(checkPasses(r, Check::FlexuralCapacity));
    EXPECT_TRUE(checkPasses(r, Check::CrackWidth));
    EXPECT_TRUE(checkPasses(r, Check::Shear));
    EXPECT_TRUE(checkPasses(r, Check::CompressionZone));
    r.Mu = std::nextafter(r.gamma0Md, 0.0f);
    r.Wfk = std::nextafter(r.Wlim, 1.0f);
    r.Vc = std::nextafter(r.gamma0Vd, 0.0f);
    EXPECT_FALSE(checkPasses(r, Check::FlexuralCapacity));
    EXPECT_FALSE(checkPasses(r, Check::CrackWidth));
    EXPECT_FALSE(checkPasses(r, Check::Shear));
}

struct MinimumCase {
    const char* concrete;
    const char* bars;
    bool passes;
};

// C30 with HRB335: 45 × 1.39 / 280 ≈ 0.2234 %. Six bars of 25 mm in the default section give
// 100 × 6 × 4.909e-4 / 0.99 / 1.0365 ≈ 0.287 %, three bars ≈ 0.1435 %.
TEST(Section, MinimumReinforcementNeedsBothTheStrengthLimitAndPointTwoPercent) {
    const MinimumCase cases[] = {
        {"1.39", "6", true},
        {"1.39", "5", true},   // 0.239 %
        {"1.39", "4", false},  // 0.191 %: below both
        {"1.8", "5", false},   // 0.239 % >= 0.2 but below 45 × 1.8 / 280 = 0.289 %
    };
    for (const auto& c : cases) {
        DesignInput input;
        input.txtHNTKL = c.concrete;
        input.txtZJGS = c.bars;
        const auto r = calculated(input);
        EXPECT_EQ(checkPasses(r, Check::MinimumReinforcement), c.passes) << c.concrete << " " << c.bars;
    }
}

TEST(Section, MomentBeyondTensionSteelAloneLeavesNoRealTrialZone) {
    DesignInput input;
    input.txtBDH = "20";
    input.txtBZH = "20";
    input.txtTTG = "10";
    auto r = calculated(input);
    EXPECT_FALSE(trialZoneHasRealValue(r));
    EXPECT_EQ(r.x0, 0.0f);
    EXPECT_EQ(r.As0, 0.0f);
    EXPECT_TRUE(std::isfinite(r.Mu));
    EXPECT_FALSE(checkPasses(r, Check::FlexuralCapacity));
    EXPECT_TRUE(trialZoneHasRealValue(calculated(DesignInput{})));
}

}  // namespace
}  // namespace tavrel
