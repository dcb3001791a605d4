// Loads, internal forces and load combination for the three slab types, against worked values.
#include "calc/loads.h"

#include <gtest/gtest.h>

#include "calc/calculate.h"
#include "calculated.h"
#include "test_support.h"

namespace tavrel {
namespace {

using test::calculated;
using test::near;

DesignInput ofType(SlabType type) {
    DesignInput input;
    input.slabType = type;
    return input;
}

struct Expected {
    const char* name;
    float CalculationResults::*field;
    double value;
};

void expectAll(const CalculationResults& r, std::initializer_list<Expected> expected) {
    for (const auto& e : expected) {
        EXPECT_TRUE(near(r.*e.field, e.value, 2e-4)) << e.name;
    }
}

TEST(Loads, BuriedSlabUnderTheDefaultFillUsesTheWholeVehicleAsAFullSpanLoad) {
    const auto r = calculated(ofType(SlabType::Buried));
    expectAll(r, {{"q", &CalculationResults::q, 392.04},
                  {"g", &CalculationResults::g, 27.3488},
                  {"M1", &CalculationResults::M1, 757.00},
                  {"V1", &CalculationResults::V1, 733.93},
                  {"La", &CalculationResults::La, 38.4034},
                  {"Lb", &CalculationResults::Lb, 27.8034},
                  {"P", &CalculationResults::P, 550},
                  {"p", &CalculationResults::p, 0.5151},
                  {"M2", &CalculationResults::M2, 0.9298},
                  {"V2", &CalculationResults::V2, 0.9014},
                  {"gamma0Md", &CalculationResults::gamma0Md, 818.73},
                  {"gamma0Vd", &CalculationResults::gamma0Vd, 793.78}});
}

TEST(Loads, OpenSlabCarriesOneWheelOnThePavementWithTheImpactFactor) {
    const auto r = calculated(ofType(SlabType::Open));
    expectAll(r, {{"q", &CalculationResults::q, 4.0293},
                  {"M1", &CalculationResults::M1, 56.64},
                  {"V1", &CalculationResults::V1, 54.91},
                  {"La", &CalculationResults::La, 0.2},
                  {"Lb", &CalculationResults::Lb, 0.6},
                  {"P", &CalculationResults::P, 70},
                  {"p", &CalculationResults::p, 758.33},
                  {"M2", &CalculationResults::M2, 140.29},
                  {"V2", &CalculationResults::V2, 147.33},
                  {"gamma0Md", &CalculationResults::gamma0Md, 237.94},
                  {"gamma0Vd", &CalculationResults::gamma0Vd, 244.9}});
}

TEST(Loads, CustomSlabTakesEveryActionWithThePermanentFactor) {
    const auto r = calculated(ofType(SlabType::Custom));
    expectAll(r, {{"M1", &CalculationResults::M1, 14},
                  {"V1", &CalculationResults::V1, 14.2857},
                  {"M2", &CalculationResults::M2, 9.5},
                  {"V2", &CalculationResults::V2, 5},
                  {"M3", &CalculationResults::M3, 49.364},
                  {"V3", &CalculationResults::V3, 47.860},
                  {"gamma0Md", &CalculationResults::gamma0Md, 78.69},
                  {"gamma0Vd", &CalculationResults::gamma0Vd, 72.52}});
}

struct FillBandCase {
    const char* fill;
    double La, Lb, P;
};

TEST(Loads, FillHeightBandsSwitchAtTheSinglePrecisionLimits) {
    const FillBandCase cases[] = {
        {"0.5", 0.77735, 1.17735, 70},
        {"1.0391", 0.2 + 1.1547 * 1.0391, 0.6 + 1.1547 * 1.0391, 70},
        {"1.0392", 1.6 + 1.1547 * 1.0392, 2.4 + 1.1547 * 1.0392, 280},
        {"5.8889", 1.6 + 1.1547 * 5.8889, 2.4 + 1.1547 * 5.8889, 280},
        {"5.889", 13 + 1.1547 * 5.889, 2.4 + 1.1547 * 5.889, 550},
    };
    for (const auto& c : cases) {
        DesignInput input = ofType(SlabType::Buried);
        input.txtTTG = c.fill;
        const auto r = calculated(input);
        EXPECT_TRUE(near(r.La, c.La, 1e-6)) << c.fill;
        EXPECT_TRUE(near(r.Lb, c.Lb, 1e-6)) << c.fill;
        EXPECT_EQ(r.P, c.P) << c.fill;
    }
}

TEST(Loads, ShallowFillSpreadsOverPartOfTheSpanWithoutImpact) {
    DesignInput input = ofType(SlabType::Buried);
    input.txtTTG = "0.5";
    const auto r = calculated(input);
    // p = 70 / 0.77735 / 1.17735, La < L: partial-load formulas.
    const double p = 70 / 0.77735 / 1.17735;
    EXPECT_TRUE(near(r.p, p));
    EXPECT_TRUE(near(r.M2, p * 0.77735 * (3.8 - 0.77735 / 2) / 4));
    EXPECT_TRUE(near(r.V2, p * 0.77735 * (3.5 - 0.77735 / 2) / 3.5));
}

struct CustomCase {
    const char* qK;
    const char* qKc;
    const char* PK;
    double M1, V1, M2, V2;
};

TEST(Loads, CustomLoadCoveringTheSpanUsesFullSpanFormulasAndZeroLoadsGiveZeroForces) {
    const CustomCase cases[] = {
        {"10", "3.8", "10", 10 * 3.8 * 3.8 / 8, 10 * 3.5 / 2, 9.5, 5},
        {"10", "5", "10", 10 * 3.8 * 3.8 / 8, 10 * 3.5 / 2, 9.5, 5},
        {"10", "2", "0", 14, 14.2857, 0, 0},
        {"0", "2", "10", 0, 0, 9.5, 5},
        {"10", "0", "10", 0, 0, 9.5, 5},
    };
    for (const auto& c : cases) {
        DesignInput input = ofType(SlabType::Custom);
        input.txtJBHZ = c.qK;
        input.txtJBHZKD = c.qKc;
        input.txtJZL = c.PK;
        const auto r = calculated(input);
        EXPECT_TRUE(near(r.M1, c.M1)) << c.qK << " " << c.qKc;
        EXPECT_TRUE(near(r.V1, c.V1)) << c.qK << " " << c.qKc;
        EXPECT_TRUE(near(r.M2, c.M2)) << c.PK;
        EXPECT_TRUE(near(r.V2, c.V2)) << c.PK;
    }
}

TEST(Loads, VehicleLoadClassChangesNoValue) {
    DesignInput classTwo = ofType(SlabType::Buried);
    classTwo.CboSJHZ = "公路-II级";
    auto first = calculated(ofType(SlabType::Buried));
    auto second = calculated(classTwo);
    EXPECT_EQ(second.loadLevel, "公路-II级");
    second.loadLevel = first.loadLevel;
    EXPECT_EQ(first, second);
}

TEST(Loads, FieldsAnotherTypeDoesNotWriteKeepTheirEarlierValues) {
    CalculationResults r;
    initialiseCrackWidthFactors(r);
    calculate(ofType(SlabType::Buried), r);
    const CalculationResults buried = r;
    calculate(ofType(SlabType::Custom), r);
    EXPECT_EQ(r.q, buried.q);
    EXPECT_EQ(r.La, buried.La);
    EXPECT_EQ(r.Lb, buried.Lb);
    EXPECT_EQ(r.P, buried.P);
    EXPECT_EQ(r.p, buried.p);
    EXPECT_TRUE(near(r.M3, 49.364));
    EXPECT_TRUE(near(r.V3, 47.860));
}

}  // namespace
}  // namespace tavrel
