// Shared helpers of the tests: exact comparison of stored singles, relative tolerance for values the design
// leaves approximate, and the paths of the source and build trees.
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <concepts>
#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>

namespace tavrel::test {

// A single as nine significant digits (enough to identify it) and as a hex float.
inline std::string describeSingle(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9g (%a)", static_cast<double>(value), static_cast<double>(value));
    return text;
}

// Expects a stored single to be exactly `expected`, bit for bit: every stored result follows one
// arithmetic rule, so a result one unit in the last place off is a fault, not noise.
inline ::testing::AssertionResult sameSingle(float actual, float expected) {
    if (std::bit_cast<std::uint32_t>(actual) == std::bit_cast<std::uint32_t>(expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << describeSingle(actual) << " where the arithmetic rule gives " << describeSingle(expected);
}

// Expects `actual` within a relative tolerance of `expected` (absolute near zero). Never for a stored
// single; only for doubles the design leaves approximate, such as a picture's resolution converted from
// dots per centimetre.
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
