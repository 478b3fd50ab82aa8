#include "analysis/tolerance.h"

#include <random>

#include <gtest/gtest.h>

#include "common/arithmetic_fault.h"

namespace norvexa {
namespace {

// T grown one step at a time while the grown value stays within the bound.
struct Stepped {
    float value = 0;
    std::uint64_t grown = 0;
    bool stalled = false;
};

Stepped step_by_step(float step, double bound) {
    Stepped s;
    for (float next = s.value + step; next <= bound; next = s.value + step) {
        if (next == s.value) {
            s.stalled = true;
            break;
        }
        s.value = next;
        ++s.grown;
    }
    return s;
}

TEST(Tolerance, GrowsByTheStepAndAcceptsStrictlyInside) {
    Tolerance T(10);
    T.grow();
    T.grow();
    EXPECT_EQ(T.value(), 20.0f);
    EXPECT_TRUE(T.accepts(19));
    EXPECT_TRUE(T.accepts(-19));
    EXPECT_FALSE(T.accepts(20));
    EXPECT_FALSE(T.accepts(-20));
}

TEST(Tolerance, RefusesASteplessOrNegativeStep) {
    EXPECT_THROW(Tolerance(0), ArithmeticFault);
    EXPECT_THROW(Tolerance(-1), ArithmeticFault);
}

TEST(Tolerance, StopsWhenTheSingleSumNoLongerGrows) {
    Tolerance T(1);
    EXPECT_THROW(T.grow_while_at_most(1e12), ArithmeticFault);
    EXPECT_EQ(T.value(), 16777216.0f);
}

TEST(Tolerance, SkippingAgreesWithGrowingStepByStep) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> whole_step(1, 20);
    std::uniform_real_distribution<double> exponent(0, 8);
    for (int i = 0; i < 120; ++i) {
        const float step = i % 3 ? static_cast<float>(whole_step(rng)) : static_cast<float>(whole_step(rng)) / 7;
        const double bound = std::pow(10.0, exponent(rng));
        const Stepped expected = step_by_step(step, bound);
        Tolerance T(step);
        if (expected.stalled) {
            EXPECT_THROW(T.grow_while_at_most(bound), ArithmeticFault) << step << " " << bound;
            continue;
        }
        EXPECT_EQ(T.grow_while_at_most(bound), expected.grown) << step << " " << bound;
        EXPECT_EQ(T.value(), expected.value) << step << " " << bound;
    }
}

}  // namespace
}  // namespace norvexa
