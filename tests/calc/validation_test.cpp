// The input checks: order, messages, the fields each slab type tests, and numbers that cannot be stored.
#include "calc/validation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

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
        const auto valid = validateInput(input);
        ASSERT_FALSE(valid) << controlName(c.field);
        EXPECT_EQ(valid.error().field, c.field);
        EXPECT_EQ(valid.error().message, c.message);
        EXPECT_EQ(valid.error().code, ErrorCode::InputRefused);
    }
}

struct AcceptCase {
    SlabType type;
    TextField field;
    const char* text;
};

TEST(Validation, BoundaryValuesAndFieldsOfOtherTypesPass) {
    const AcceptCase cases[] = {
        {SlabType::Buried, TextField::txtTTG, "0.5"},  // the fill accepts exactly 0.5
        {SlabType::Open, TextField::txtTTG, "0.4"},    // the fill is tested for the buried slab only
        {SlabType::Buried, TextField::txtPZH, "0"},    // pavement only for the open slab
        {SlabType::Custom, TextField::txtJZL, "0"},    // the custom loads accept 0
        {SlabType::Custom, TextField::txtJBHZ, "0"},   {SlabType::Custom, TextField::txtJBHZKD, "0"},
        {SlabType::Buried, TextField::txtJBHZ, "-5"},  {SlabType::Buried, TextField::txtZJGS, " 14 "},
        {SlabType::Buried, TextField::txtZJGS, "1.5"},  // rounds half to even: 2 bars
    };
    for (const auto& c : cases) {
        DesignInput input;
        input.slabType = c.type;
        input.text(c.field) = c.text;
        EXPECT_TRUE(validateInput(input)) << controlName(c.field) << "=" << c.text;
    }
}

// Inputs edited field by field from the defaults, and the refusal the checks give (none: accepted).
struct OrderCase {
    const char* what;
    std::vector<std::pair<TextField, std::string>> edits;
    std::optional<TextField> field;
    std::string message;
};

TEST(Validation, StopsAtTheFirstFailureInTheFixedOrderAndRunsTheLateChecksLast) {
    const OrderCase cases[] = {
        {"three bad fields: the first in the order wins",
         {{TextField::txtBHC, "0"}, {TextField::txtGBRZ, "0"}, {TextField::txtHNTKL, ""}},
         TextField::txtHNTKL,
         "混凝土抗拉强度应大于0,请重新输入"},
        {"two bad fields",
         {{TextField::txtBHC, "0"}, {TextField::txtGBRZ, "0"}},
         TextField::txtGBRZ,
         "盖板容重应大于0,请重新输入"},
        {"one bad field", {{TextField::txtBHC, "0"}}, TextField::txtBHC, "保护层厚度应大于0,请重新输入"},
        {"a bar count beyond 16 bits",
         {{TextField::txtZJGS, "40000"}},
         TextField::txtZJGS,
         "主筋根数超出允许范围,请重新输入"},
        {"a span beyond single precision",
         {{TextField::txtJKJ, "1e39"}},
         TextField::txtJKJ,
         "净跨径超出允许范围,请重新输入"},
        {"a bar count rounding to 0",
         {{TextField::txtZJGS, "0.4"}},
         TextField::txtZJGS,
         "主筋根数应大于0,请重新输入"},
        {"an earlier check wins over the rounded bar count",
         {{TextField::txtZJGS, "0.4"}, {TextField::txtBHC, "0"}},
         TextField::txtBHC,
         "保护层厚度应大于0,请重新输入"},
        {"3 cm cover + 27 mm / 2 = 4.35 cm leaves no effective depth",
         {{TextField::txtBDH, "4.35"}},
         TextField::txtBHC,
         "板端厚应大于保护层厚度与主筋外径一半之和,请重新输入"},
        {"a little more thickness leaves some", {{TextField::txtBDH, "4.4"}}, std::nullopt, ""},
    };
    for (const auto& c : cases) {
        DesignInput input;
        for (const auto& [field, text] : c.edits) {
            input.text(field) = text;
        }
        const auto valid = validateInput(input);
        ASSERT_EQ(!valid, c.field.has_value()) << c.what;
        if (!valid) {
            EXPECT_EQ(valid.error().field, c.field) << c.what;
            EXPECT_EQ(valid.error().message, c.message) << c.what;
        }
    }
}

}  // namespace
}  // namespace tavrel
