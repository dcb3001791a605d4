// Shared helpers of the tests: relative tolerance and the paths of the source and build trees.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <concepts>
#include <ostream>
#include <string>
#include <string_view>

namespace tavrel::test {

// Expects `actual` within a relative tolerance of `expected` (absolute near zero).
inline ::testing::AssertionResult near(double actual, double expected, double relative = 1e-4) {
    const double scale = std::max(std::abs(expected), 1e-9);
    if (std::abs(actual - expected) <= relative * scale) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << actual << " is not within " << relative << " (relative) of " << expected;
}

// A table row that carries a `name` shows as that name where a test prints its parameter, instead of the
// row's raw bytes. Bring it in with `using tavrel::test::PrintTo;` beside the row's type.
template <typename Row>
requires requires(const Row& row) {
    { row.name } -> std::convertible_to<std::string_view>;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

inline std::string sourcePath(const std::string& relative) {
    return std::string(TAVREL_SOURCE_DIR) + "/" + relative;
}

}  // namespace tavrel::test
