// The rounding to single holds under optimisation: later formulas read the stored single, never the double
// it was rounded from, whatever the optimiser does with the formulas around it.
#include <gtest/gtest.h>

#include "base/numbers.h"
#include "test_support.h"

namespace tavrel {
namespace {

// Loads and forces of the default buried slab in the shape GCC 12 miscompiled at -O2 and -O3: two stored
// pairs computed from the same sums, then combined. The basic-block vectoriser computed M1 and V1 a second
// time as a vector of doubles that was never rounded, and the combination read that copy.
struct Actions {
    float q, g, L, L0, p;
    float M1 = 0, V1 = 0, M2 = 0, V2 = 0, gamma0Md = 0, gamma0Vd = 0;
};

// Kept out of line, as in the calculation, where the formulas cannot be folded into the caller's constants.
[[gnu::noinline]] void computeActions(Actions& a) {
    a.M1 = toSingle((static_cast<double>(a.q) + a.g) * square(a.L) / 8);
    a.V1 = toSingle((static_cast<double>(a.q) + a.g) * a.L0 / 2);
    a.M2 = toSingle(static_cast<double>(a.p) * square(a.L) / 8);
    a.V2 = toSingle(static_cast<double>(a.p) * a.L0 / 2);
    a.gamma0Md = toSingle((1.2 * a.M1 + 1.4 * a.M2) * 0.9);
    a.gamma0Vd = toSingle((1.2 * a.V1 + 1.4 * a.V2) * 0.9);
}

TEST(StoredSingle, LaterFormulasReadTheRoundedValueWhereTheOptimiserPairsFormulas) {
    // Read at run time, so that the compiler cannot fold the formulas into constants.
    volatile float q = 392.040009f, g = 27.3487511f, L = 3.8f, L0 = 3.5f, p = 0.515104234f;
    Actions a{q, g, L, L0, p};
    computeActions(a);
    EXPECT_TRUE(test::sameSingle(a.M1, 756.996704f));
    // From the stored M1; the unrounded 756.99669210 gives 818.727905.
    EXPECT_TRUE(test::sameSingle(a.gamma0Md, 818.727966f));
    EXPECT_TRUE(test::sameSingle(a.gamma0Vd, 793.780579f));
}

}  // namespace
}  // namespace tavrel
