// The one result type of everything that can fail: which side it holds, and that reading the other side
// stops the program in every build.
#include "base/expected.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrel {
namespace {

Expected<int> half(int even) {
    if (even % 2 != 0) {
        return failure(ErrorCode::InputRefused, "odd");
    }
    return even / 2;
}

TEST(Expected, HoldsEitherTheValueOrTheError) {
    const Expected<int> value = half(8);
    ASSERT_TRUE(value);
    EXPECT_EQ(*value, 4);
    EXPECT_EQ(value.value_or(-1), 4);

    const Expected<int> refused = half(7);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), (Error{ErrorCode::InputRefused, "odd"}));
    EXPECT_EQ(refused.value_or(-1), -1);
}

TEST(Expected, ResultsCompareByTheirSideAndContent) {
    EXPECT_EQ(half(8), half(8));
    EXPECT_NE(half(8), half(6));
    EXPECT_NE(half(8), half(7));
    EXPECT_EQ(half(7), half(9));
}

TEST(Expected, VoidSucceedsByDefaultAndFailsWithItsError) {
    const Expected<void> done;
    EXPECT_TRUE(done);
    const Expected<void> failed = failure(ErrorCode::CannotWrite, "磁盘已满");
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().code, ErrorCode::CannotWrite);
    EXPECT_EQ(failed.error().message, "磁盘已满");
}

TEST(Expected, ACustomErrorTypeCarriesMoreThanTheMessage) {
    struct Refusal : Error {
        int field = 0;
    };
    const Expected<std::string, Refusal> refused = unexpected(Refusal{{ErrorCode::InputRefused, "no"}, 7});
    EXPECT_EQ(refused.error().field, 7);
    EXPECT_EQ(refused.error().message, "no");
}

TEST(ExpectedDeathTest, ReadingTheSideNotHeldStopsTheProgram) {
    EXPECT_DEATH(static_cast<void>(half(7).value()), "value asked of the other side");
    EXPECT_DEATH(static_cast<void>(half(8).error()), "error asked of the other side");
    EXPECT_DEATH(static_cast<void>(Expected<void>().error()), "error asked of the other side");
}

}  // namespace
}  // namespace tavrel
