// Loads, internal forces and load combination for the three slab types, against worked values.
#include "calc/loads.h"

#include <gtest/gtest.h>

#include "calc/calculate.h"
#include "calculated.h"
#include "test_support.h"

namespace tavrel {
namespace {

using test::calculated;
using test::sameSingle;

DesignInput ofType(SlabType type) {
    DesignInput input;
    input.slabType = type;
    return input;
}

// The stored single each field must hold, as nine significant digits.
struct Expected {
    const char* name;
    float CalculationResults::*field;
    float value;
};

void expectAll(const CalculationResults& r, std::initializer_list<Expected> expected) {
    for (const auto& e : expected) {
        EXPECT_TRUE(sameSingle(r.*e.field, e.value)) << e.name;
    }
}

TEST(Loads, BuriedSlabUnderTheDefaultFillUsesTheWholeVehicleAsAFullSpanLoad) {
    const auto r = calculated(ofType(SlabType::Buried));
    expectAll(r, {{"q", &CalculationResults::q, 392.040009f},
                  {"g", &CalculationResults::g, 27.3487511f},
                  {"M1", &CalculationResults::M1, 756.996704f},
                  {"V1", &CalculationResults::V1, 733.930359f},
                  {"La", &CalculationResults::La, 38.4034004f},
                  {"Lb", &CalculationResults::Lb, 27.8034f},
                  {"P", &CalculationResults::P, 550},
                  {"p", &CalculationResults::p, 0.515104234f},
                  {"M2", &CalculationResults::M2, 0.929763138f},
                  {"V2", &CalculationResults::V2, 0.901432395f},
                  {"gamma0Md", &CalculationResults::gamma0Md, 818.727966f},
                  {"gamma0Vd", &CalculationResults::gamma0Vd, 793.780579f}});
}

TEST(Loads, OpenSlabCarriesOneWheelOnThePavementWithTheImpactFactor) {
    const auto r = calculated(ofType(SlabType::Open));
    expectAll(r, {{"q", &CalculationResults::q, 4.02930021f},
                  {"M1", &CalculationResults::M1, 56.6373825f},
                  {"V1", &CalculationResults::V1, 54.9115906f},
                  {"La", &CalculationResults::La, 0.2f},
                  {"Lb", &CalculationResults::Lb, 0.6f},
                  {"P", &CalculationResults::P, 70},
                  {"p", &CalculationResults::p, 758.333313f},
                  {"M2", &CalculationResults::M2, 140.291656f},
                  {"V2", &CalculationResults::V2, 147.333328f},
                  {"gamma0Md", &CalculationResults::gamma0Md, 237.935867f},
                  {"gamma0Vd", &CalculationResults::gamma0Vd, 244.944519f}});
}

TEST(Loads, CustomSlabTakesEveryActionWithThePermanentFactor) {
    const auto r = calculated(ofType(SlabType::Custom));
    expectAll(r, {{"M1", &CalculationResults::M1, 14},
                  {"V1", &CalculationResults::V1, 14.2857141f},
                  {"M2", &CalculationResults::M2, 9.5f},
                  {"V2", &CalculationResults::V2, 5},
                  {"M3", &CalculationResults::M3, 49.3644943f},
                  {"V3", &CalculationResults::V3, 47.8603134f},
                  {"gamma0Md", &CalculationResults::gamma0Md, 78.6936569f},
                  {"gamma0Vd", &CalculationResults::gamma0Vd, 72.5177078f}});
}

struct FillBandCase {
    const char* fill;
    float La, Lb, P;
};

TEST(Loads, FillHeightBandsSwitchAtTheSinglePrecisionLimits) {
    // La and Lb are 0.2 and 0.6 + 1.1547 H in the first band, 1.6 and 2.4 + 1.1547 H in the second, 13 and
    // 2.4 + 1.1547 H in the last.
    const FillBandCase cases[] = {
        {"0.5", 0.777350008f, 1.17735004f, 70},    {"1.0391", 1.39984882f, 1.79984879f, 70},
        {"1.0392", 2.79996419f, 3.59996414f, 280}, {"5.8889", 8.39991283f, 9.19991302f, 280},
        {"5.889", 19.8000278f, 9.20002842f, 550},
    };
    for (const auto& c : cases) {
        DesignInput input = ofType(SlabType::Buried);
        input.txtTTG = c.fill;
        const auto r = calculated(input);
        EXPECT_TRUE(sameSingle(r.La, c.La)) << c.fill;
        EXPECT_TRUE(sameSingle(r.Lb, c.Lb)) << c.fill;
        EXPECT_EQ(r.P, c.P) << c.fill;
    }
}

TEST(Loads, ShallowFillSpreadsOverPartOfTheSpanWithoutImpact) {
    DesignInput input = ofType(SlabType::Buried);
    input.txtTTG = "0.5";
    const auto r = calculated(input);
    // p = 70 / 0.77735 / 1.17735; La < L: M2 = p·La·(L - La/2)/4, V2 = p·La·(L0 - La/2)/L0.
    EXPECT_TRUE(sameSingle(r.p, 76.4849243f));
    EXPECT_TRUE(sameSingle(r.M2, 50.705555f));
    EXPECT_TRUE(sameSingle(r.V2, 52.8530159f));
}

struct CustomCase {
    const char* qK;
    const char* qKc;
    const char* PK;
    float M1, V1, M2, V2;
};

TEST(Loads, CustomLoadCoveringTheSpanUsesFullSpanFormulasAndZeroLoadsGiveZeroForces) {
    const CustomCase cases[] = {
        {"10", "3.8", "10", 18.0499992f, 17.5f, 9.5f, 5},  // qK·L²/8, qK·L0/2
        {"10", "5", "10", 18.0499992f, 17.5f, 9.5f, 5},
        {"10", "2", "0", 14, 14.2857141f, 0, 0},
        {"0", "2", "10", 0, 0, 9.5, 5},
        {"10", "0", "10", 0, 0, 9.5, 5},
    };
    for (const auto& c : cases) {
        DesignInput input = ofType(SlabType::Custom);
        input.txtJBHZ = c.qK;
        input.txtJBHZKD = c.qKc;
        input.txtJZL = c.PK;
        const auto r = calculated(input);
        EXPECT_TRUE(sameSingle(r.M1, c.M1)) << c.qK << " " << c.qKc;
        EXPECT_TRUE(sameSingle(r.V1, c.V1)) << c.qK << " " << c.qKc;
        EXPECT_TRUE(sameSingle(r.M2, c.M2)) << c.PK;
        EXPECT_TRUE(sameSingle(r.V2, c.V2)) << c.PK;
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
    EXPECT_TRUE(sameSingle(r.M3, 49.3644943f));
    EXPECT_TRUE(sameSingle(r.V3, 47.8603134f));
}

}  // namespace
}  // namespace tavrel
