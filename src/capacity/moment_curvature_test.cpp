#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "capacity/capacity.h"
#include "capacity_examples.h"

namespace norvexa::capacity {
namespace {

using namespace examples;

TEST(MomentCurvature, RisesThroughTheFirstYieldToTheUltimateMoment) {
    struct Case {
        const Section* section;
        const Materials* materials;
        double N_fraction;  // of NRd_max
        Sign sign;
    };
    const std::vector<Case> cases = {
        {&worked_example, &dm96_c25, 0, Sign::sagging},
        {&worked_example, &dm96_c25, 0.2, Sign::sagging},
        {&tee, &dm96_c25, 0, Sign::sagging},
        {&tee, &dm96_c25, 0.1, Sign::hogging},
        {&tee, &ntc_c70, 0.3, Sign::sagging},
        {&tee, &dm96_c25, -0.05, Sign::sagging},
    };
    for (const Case& c : cases) {
        const double N = c.N_fraction * NRd_max(*c.section, *c.materials);
        const auto curve = moment_curvature(*c.section, *c.materials, N, c.sign);
        const auto capacity = capacity_at(*c.section, *c.materials, N, c.sign);
        ASSERT_TRUE(curve && capacity) << c.N_fraction;
        ASSERT_EQ(curve->points.size(), 101u) << c.N_fraction;  // the yield among the 100
        EXPECT_EQ(curve->points.front().chi, 0);
        for (std::size_t i = 1; i < curve->points.size(); ++i)
            EXPECT_GT(curve->points[i].chi, curve->points[i - 1].chi) << c.N_fraction << " " << i;
        EXPECT_GT(curve->yield.chi, 0) << c.N_fraction;
        EXPECT_LT(curve->yield.chi, curve->ultimate.chi) << c.N_fraction;
        EXPECT_GT(curve->ductility, 1) << c.N_fraction;
        EXPECT_LT(std::fabs(curve->yield.M), std::fabs(curve->ultimate.M)) << c.N_fraction;
        EXPECT_NEAR(curve->ultimate.M / capacity->MRd, 1, 0.005) << c.N_fraction;
    }
}

// The worked example's first yield by hand: at N = 0 the layer at 46 cm reaches fyd / Es
// when the parabola over the axis depth x, top strain e = r · εc2, carries the steel's
// force b · fcd · x · (r − r²/3) at x · (2r/3 − r²/4) / (r − r²/3) above the axis.
TEST(MomentCurvature, TheFirstYieldOfTheWorkedExampleByHand) {
    const auto curve = moment_curvature(worked_example, dm96_c25, 0, Sign::sagging);
    ASSERT_TRUE(curve);
    const double eps_y = 373.9 / 200000, force = 942 * 373.9;
    const auto ratio = [&](double x) { return eps_y * x / (460 - x) / 0.002; };
    double low = 1, high = 300;
    while (high - low > 1e-9) {
        const double x = (low + high) / 2, r = ratio(x);
        (300 * 13.28 * x * (r - r * r / 3) < force ? low : high) = x;
    }
    const double x = low, r = ratio(x);
    const double lever = 460 - x + x * (2 * r / 3 - r * r / 4) / (r - r * r / 3);
    const double chi = (r * 0.002 + eps_y) / 460;
    EXPECT_NEAR(curve->yield.chi, chi, 1e-6 * chi);
    EXPECT_NEAR(curve->yield.M, force * lever, 1e-6 * force * lever);
}

TEST(MomentCurvature, NoneOutsideTheDomainNorAtItsEnds) {
    const double N_max = NRd_max(tee, dm96_c25), N_min = NRd_min(tee, dm96_c25);
    for (const double N : {N_max + 1, N_min - 1, N_max})
        EXPECT_FALSE(moment_curvature(tee, dm96_c25, N, Sign::sagging)) << N;
}

}  // namespace
}  // namespace norvexa::capacity
