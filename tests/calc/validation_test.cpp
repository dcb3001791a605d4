// The input checks: order, messages, the fields each slab type tests, and numbers that cannot be stored.
#include "calc/validation.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

struct RefusalCase {
    SlabType type;
    TextField field;
    const char* text;
    const char* message;
};

TEST(Validation, EachFieldIsRefusedWithItsOwnMessage) {
    const RefusalCase cases[] = {
        {SlabType::Buried, TextField::txtHNTKY, "", "混凝土抗压强度应大于0,请重新输入"},
        {SlabType::Buried, TextField::txtHNTKL, "0", "混凝土抗拉强度应大于0,请重新输入"},
        {SlabType::Buried, TextField::txtZJGS, "-1", "主筋根数应大于0,请重新输入"},
        {SlabType::Open, TextField::txtTRZ, "0", "土容重应大于0,请重新输入"},
        {SlabType::Custom, TextField::txtTRZ, "abc", "土容重应大于0,请重新输入"},
        {SlabType::Buried, TextField::txtGBRZ, "x", "盖板容重应大于0,请重新输入"},
        {SlabType::Buried, TextField::txtTTG, "0.49", "暗盖板涵填土高应大于0.5,请重新输入"},
        {SlabType::Buried, TextField::txtBDH, "0", "板端厚应大于0,请重新输入"},
        {SlabType::Buried, TextField::txtBZH, "0", "板中厚应大于0,请重新输入"},
        {SlabType::Buried, TextField::txtGBK, "0", "盖板宽应大于0,请重新输入"},
        {SlabType::Buried, TextField::txtJKJ, "0", "净跨径应大于0,请重新输入"},
        {SlabType::Buried, TextField::txtGZCD, "0", "单侧搁置长度应大于0,请重新输入"},
        {SlabType::Buried, TextField::txtJSKJ, "0", "计算跨径应大于0,请重新输入"},
        {SlabType::Buried, TextField::txtBHC, "0", "保护层厚度应大于0,请重新输入"},
        {SlabType::Open, TextField::txtPZH, "0", "涵顶铺装厚应大于0,请重新输入"},
        {SlabType::Open, TextField::txtBCH, "0", "涵顶表处厚应大于0,请重新输入"},
        {SlabType::Open, TextField::txtPZRZ, "0", "涵顶铺装容重应大于0,请重新输入"},
        {SlabType::Open, TextField::txtBCRZ, "0", "涵顶表处容重应大于0,请重新输入"},
        {SlabType::Custom, TextField::txtJBHZ, "-1", "均布荷载应大于0,请重新输入"},
        {SlabType::Custom, TextField::txtJBHZKD, "-0.1", "均布荷载宽度应大于0,请重新输入"},
        {SlabType::Custom, TextField::txtJZL, "-1", "集中力应大于0,请重新输入"},
    };
    for (const auto& c : cases) {
        DesignInput input;
        input.slabType = c.type;
        input.text(c.field) = c.text;
        const auto refusal = validateInput(input);
        ASSERT_TRUE(refusal) << controlName(c.field);
        EXPECT_EQ(refusal->field, c.field);
        EXPECT_EQ(refusal->message, c.message);
    }
}

struct AcceptCase {
    SlabType type;
    TextField field;
    const char* text;
};

TEST(Validation, BoundaryValuesAndFieldsOfOtherTypesPass) {
    const AcceptCase cases[] = {
        {SlabType::Buried, TextField::txtTTG, "0.5"},   // the fill accepts exactly 0.5
        {SlabType::Open, TextField::txtTTG, "0.4"},     // the fill is tested for the buried slab only
        {SlabType::Buried, TextField::txtPZH, "0"},     // pavement only for the open slab
        {SlabType::Custom, TextField::txtJZL, "0"},     // the custom loads accept 0
        {SlabType::Custom, TextField::txtJBHZ, "0"},
        {SlabType::Custom, TextField::txtJBHZKD, "0"},
        {SlabType::Buried, TextField::txtJBHZ, "-5"},
        {SlabType::Buried, TextField::txtZJGS, " 14 "},
        {SlabType::Buried, TextField::txtZJGS, "1.5"},  // rounds half to even: 2 bars
    };
    for (const auto& c : cases) {
        DesignInput input;
        input.slabType = c.type;
        input.text(c.field) = c.text;
        EXPECT_FALSE(validateInput(input)) << controlName(c.field) << "=" << c.text;
    }
}

TEST(Validation, StopsAtTheFirstFailureInTheFixedOrder) {
    DesignInput input;
    input.txtBHC = "0";
    input.txtGBRZ = "0";
    input.txtHNTKL = "";
    EXPECT_EQ(validateInput(input)->field, TextField::txtHNTKL);
    input.txtHNTKL = "1.39";
    EXPECT_EQ(validateInput(input)->field, TextField::txtGBRZ);
    input.txtGBRZ = "25";
    EXPECT_EQ(validateInput(input)->field, TextField::txtBHC);
}

TEST(Validation, NumbersThatCannotBeStoredAreRefusedNamingTheQuantity) {
    DesignInput bars;
    bars.txtZJGS = "40000";
    EXPECT_EQ(validateInput(bars)->message, "主筋根数超出允许范围,请重新输入");
    DesignInput span;
    span.txtJKJ = "1e39";
    EXPECT_EQ(validateInput(span)->field, TextField::txtJKJ);
    EXPECT_EQ(validateInput(span)->message, "净跨径超出允许范围,请重新输入");
}

TEST(Validation, BarCountRoundingToZeroAndNoEffectiveDepthAreRefusedAfterTheOtherChecks) {
    DesignInput bars;
    bars.txtZJGS = "0.4";
    EXPECT_EQ(validateInput(bars)->field, TextField::txtZJGS);
    EXPECT_EQ(validateInput(bars)->message, "主筋根数应大于0,请重新输入");
    bars.txtBHC = "0";  // an earlier check in the order wins
    EXPECT_EQ(validateInput(bars)->field, TextField::txtBHC);
    EXPECT_EQ(validateInput(bars)->message, "保护层厚度应大于0,请重新输入");

    DesignInput depth;
    depth.txtBDH = "4.35";  // 3 cm cover + 27 mm / 2 = 4.35 cm: h0 = 0
    EXPECT_EQ(validateInput(depth)->field, TextField::txtBHC);
    EXPECT_EQ(validateInput(depth)->message, "板端厚应大于保护层厚度与主筋外径一半之和,请重新输入");
    depth.txtBDH = "4.4";
    EXPECT_FALSE(validateInput(depth));
}

}  // namespace
}  // namespace tavrel
