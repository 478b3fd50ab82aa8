#include "analysis/strip_sums.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

namespace norvexa {
namespace {

AnalysisInput section(double b, double h, double b2, double fcd) {
    AnalysisInput in;
    in.b = static_cast<float>(b);
    in.h = static_cast<float>(h);
    in.b2 = static_cast<float>(b2);
    in.fcd = static_cast<float>(fcd);
    return in;
}

Trial trial(float x, float top) {
    Trial t;
    t.x = x;
    t.epsclsz = top;
    return t;
}

// The bounds always hold the force the strips give one by one, however the trial's
// depth falls against the flange's edge, the plateau's end and the strip edges.
TEST(StripTable, BoundsHoldTheForceOfTheStripsOneByOne) {
    std::mt19937 rng(7);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    for (int i = 0; i < 3000; ++i) {
        const double strip = std::round(uniform(1, 40)) / 10;
        const double depth = i % 10 == 0 ? uniform(1000, 100000) : uniform(100, 1500);
        const AnalysisInput in = section(uniform(150, 30000), uniform(50, depth), uniform(100, 1000), uniform(5, 40));
        StripTable table(strip);
        for (int k = 0; k < 5; ++k) {
            const float x = static_cast<float>(std::floor(uniform(0, depth))) + 0.5f;
            const float top = static_cast<float>(k == 0 ? 3.5 : uniform(0.01, 3.5));
            const Trial t = trial(x, top);
            const double strips = concrete_force(in, t, strip);
            const auto bounds = table.concrete_force(in, t);
            ASSERT_TRUE(bounds) << i;
            EXPECT_LE(bounds->low, strips) << i << " x " << x << " s " << strip;
            EXPECT_GE(bounds->high, strips) << i << " x " << x << " s " << strip;
            // Narrow enough to fix the rounded sum nearly always.
            EXPECT_LT(bounds->high - bounds->low, 1e-6 * std::max(1.0, std::fabs(strips)) + 1) << i;
        }
    }
}

TEST(StripTable, GivesNoBoundsWhereTheStripsMustBeCounted) {
    const AnalysisInput in = section(300, 500, 0, 13.28);
    StripTable table(2);
    EXPECT_FALSE(table.concrete_force(in, trial(0, 3.5f)));      // no depth
    EXPECT_FALSE(table.concrete_force(in, trial(100.5f, 0)));    // no strain
    EXPECT_FALSE(table.concrete_force(in, trial(100.5f, -1)));
    StripTable tiny(1e-300);
    EXPECT_FALSE(tiny.concrete_force(in, trial(100.5f, 3.5f)));  // past the largest table
    StripTable huge(2);
    const AnalysisInput overflowing = section(3e38, 500, 0, 3e38);
    EXPECT_FALSE(huge.concrete_force(overflowing, trial(3e30f, 3.5f)));
}

}  // namespace
}  // namespace norvexa
