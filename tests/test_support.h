// Shared helpers of the tests: relative tolerance and the paths of the source and build trees.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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

inline std::string sourcePath(const std::string& relative) {
    return std::string(TAVREL_SOURCE_DIR) + "/" + relative;
}

}  // namespace tavrel::test
