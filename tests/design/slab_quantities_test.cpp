// Quantities, price and utilisation of one slab, against hand-worked values of the default slab.
#include "design/slab_quantities.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/calculated.h"
#include "test_support.h"

namespace tavrel {
namespace {

TEST(SlabQuantities, DefaultSlabHasItsHandWorkedConcreteAndSteel) {
    // 0.99 m × (3.5 + 2 × 0.3) m × (108 + 113)/2 cm = 4.485195 m³ from the stored singles of the inputs;
    // the steel of its bar schedule: N1 14Φ25 × 404 cm, 217.98 kg, and N2 41φ12 × 108 cm, 39.32 kg.
    const SlabQuantities q = slabQuantities(test::calculated(DesignInput{}));
    EXPECT_EQ(q.concreteM3, 4.48519516f);
    EXPECT_EQ(q.steelKg, 257.3f);
}

TEST(SlabQuantities, PriceWeighsConcreteAndSteelByTheirUnitPrices) {
    const SlabQuantities q{2.0f, 100.0f};
    EXPECT_EQ(slabCost(q, UnitPrices{}), 1700.0f);  // 2 m³ × 600 + 100 kg × 5
    EXPECT_EQ(slabCost(q, UnitPrices{500, 6}), 1600.0f);
}

TEST(SlabUtilisation, DefaultSlabIsGovernedByItsCrackWidth) {
    // Worked values of the default slab: x = 0.14085 against 0.56 × 1.0365; ρmin = 0.2234 % against
    // 0.6698 %; 818.73 against 1859.04 kNm; 0.1806 against 0.2 mm; 793.78 against 891.45 kN.
    const CheckUtilisation u = checkUtilisation(test::calculated(DesignInput{}));
    EXPECT_TRUE(test::near(u.of(Check::CompressionZone), 0.14085 / (0.56 * 1.0365), 1e-3));
    EXPECT_TRUE(test::near(u.of(Check::MinimumReinforcement), 0.2234 / 0.6698, 1e-3));
    EXPECT_TRUE(test::near(u.of(Check::FlexuralCapacity), 818.73 / 1859.04, 1e-3));
    EXPECT_TRUE(test::near(u.of(Check::CrackWidth), 0.1806 / 0.2, 1e-3));
    EXPECT_TRUE(test::near(u.of(Check::Shear), 793.78 / 891.45, 1e-3));
    EXPECT_EQ(governingCheck(u), Check::CrackWidth);
}

// Under the 2018 pair the shear utilisation is the larger of γ0Vd/Vc and γ0Vd/Vmax, and its label says
// which. Worked values: the default slab 882.34 against Vc 891.45 and Vmax 2866.39 kN; d1 = d2 = 30 cm
// 840.50 against 220.61 and 709.34 kN; a typed ftd of 5 MPa raises Vc to 3206.67 kN, above Vmax.
TEST(SlabUtilisation, The2018ShearIsTheLargerOfTheBoundAndTheUpperLimit) {
    struct Case {
        const char* name;
        Edition edition;
        const char* d1;
        const char* d2;
        const char* ftd;
        double bound;       // γ0Vd/Vc
        double upperLimit;  // γ0Vd/Vmax; 0 without an upper limit
        const char* label;
    };
    const Case cases[] = {
        {"2004 default", Edition::Jtg2004, "108", "113", "1.39", 793.78 / 891.45, 0, "γ0Vd/Vc"},
        {"2018 default", Edition::Jtg2018, "108", "113", "1.39", 882.34 / 891.45, 882.34 / 2866.39,
         "γ0Vd/Vc"},
        {"2018 thin slab", Edition::Jtg2018, "30", "30", "1.39", 840.50 / 220.61, 840.50 / 709.34, "γ0Vd/Vc"},
        {"2018 ftd 5 MPa", Edition::Jtg2018, "108", "113", "5", 882.34 / 3206.67, 882.34 / 2866.39,
         "γ0Vd/Vmax"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignInput input;
        DesignInputTarget(input).selectEdition(c.edition);
        input.txtBDH = c.d1;
        input.txtBZH = c.d2;
        input.txtHNTKL = c.ftd;
        const CheckUtilisation u = checkUtilisation(test::calculated(input));
        EXPECT_TRUE(test::near(u.shearBound, c.bound));
        EXPECT_TRUE(test::near(u.shearUpperLimit, c.upperLimit));
        EXPECT_EQ(u.of(Check::Shear), std::max(u.shearBound, u.shearUpperLimit));
        EXPECT_EQ(utilisationLabel(Check::Shear, u), c.label);
        EXPECT_EQ(utilisationLabel(Check::Shear), "γ0Vd/Vc");
    }
}

TEST(SlabUtilisation, AbsoluteMinimumPercentageCountsWhereTheStrengthLimitIsLower) {
    // C20 with HRB400: 45 × 1.06 / 330 = 0.1445 % is below the 0.2 % floor, which then is ρmin.
    DesignInput input;
    input.CboZJDJ = "HRB400";
    input.txtHNTKL = "1.06";
    const CalculationResults r = test::calculated(input);
    EXPECT_TRUE(test::near(checkUtilisation(r).of(Check::MinimumReinforcement), 0.2 / r.rhoPct, 1e-6));
}

TEST(SlabUtilisation, GoverningCheckIsTheFirstOfEqualHighestRatios) {
    CheckUtilisation u;
    u.byCheck = {0.5f, 0.9f, 0.9f, 0.2f, 0.1f};
    EXPECT_EQ(governingCheck(u), Check::MinimumReinforcement);
    u.byCheck = {0.5f, 0.9f, 0.9f, 0.2f, 1.1f};
    EXPECT_EQ(governingCheck(u), Check::Shear);
}

TEST(SlabUtilisation, CheckNamesAreTheVerdictCaptionsWithoutTheirVerdict) {
    EXPECT_EQ(checkName(Check::CompressionZone), "砼受压区高度");
    EXPECT_EQ(checkName(Check::MinimumReinforcement), "最小配筋率");
    EXPECT_EQ(checkName(Check::FlexuralCapacity), "正截面抗弯承载力");
    EXPECT_EQ(checkName(Check::CrackWidth), "最大裂缝宽度");
    EXPECT_EQ(checkName(Check::Shear), "斜截面抗剪承载力");
}

}  // namespace
}  // namespace tavrel
