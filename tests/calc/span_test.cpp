// The derived calculation span: the smaller of end thickness and bearing length added to the clear span.
#include "calc/span.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

struct SpanCase {
    const char* clearSpan;
    const char* bearing;
    const char* endThickness;
    const char* expected;
};

TEST(DerivedSpan, AddsTheSmallerOfEndThicknessAndBearingLength) {
    const SpanCase cases[] = {
        {"3.5", "0.3", "108", "3.8"},  // bearing length is smaller
        {"3.5", "0.3", "20", "3.7"},   // end thickness is smaller
        {"3.5", "0.3", "30", "3.8"},   // tie: the end-thickness branch, same number
        {"", "0.3", "108", "0.3"},     // an empty clear span counts as 0
        {"abc", "0.3", "108", "0.3"}, {" 3.5 ", "0.3m", "108cm", "3.8"},
        {"2", "0.25", "40", "2.25"},  {"3.5", "", "", "3.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(derivedSpanText(c.clearSpan, c.bearing, c.endThickness), c.expected)
            << c.clearSpan << " " << c.bearing << " " << c.endThickness;
    }
}

}  // namespace
}  // namespace tavrel
