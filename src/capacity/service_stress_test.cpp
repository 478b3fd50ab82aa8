#include "capacity/service_stress.h"

#include <gtest/gtest.h>

#include <cmath>

#include "capacity_examples.h"

namespace norvexa::capacity {
namespace {

using State = ServiceStress::State;
constexpr double n = 15;

// The cracked rectangle in pure bending against its closed form: the neutral axis from
// b · x²/2 + n · As' · (x − d') = n · As · (d − x), then σc from the moment of the stresses
// about the neutral axis; sagging and hogging alike.
TEST(ServiceStress, TheCrackedRectangleInPureBendingMatchesItsClosedForm) {
    const struct {
        Section section;
        double top_area;  // As' at 40 mm, 0 when none
    } cases[] = {{examples::worked_example, 0}, {examples::doubly_reinforced, 402}};
    for (const auto& c : cases) {
        const double b = 300, d = 460, As = 942, d2 = 40, As2 = c.top_area, M = 100e6;
        // b/2 · x² + n (As + As') x − n (As d + As' d') = 0
        const double qa = b / 2, qb = n * (As + As2), qc = -n * (As * d + As2 * d2);
        const double x = (-qb + std::sqrt(qb * qb - 4 * qa * qc)) / (2 * qa);
        const double inertia = b * x * x * x / 3 + n * As * (d - x) * (d - x) + n * As2 * (x - d2) * (x - d2);
        const double sigma_c = M * x / inertia, sigma_s = -n * M * (d - x) / inertia;
        for (const double sign : {1.0, -1.0}) {
            const Section& s = sign > 0 ? c.section : Section{{{0, 500, 300}}, {{As, 40}, {As2, 460}}};
            const auto r = service_stress(s, n, 0, sign * M);
            ASSERT_TRUE(r);
            EXPECT_EQ(r->state, State::cracked);
            EXPECT_EQ(r->top_compressed, sign > 0);
            EXPECT_NEAR(r->x, x, 1e-6) << As2 << " " << sign;
            EXPECT_NEAR(r->sigma_c, sigma_c, 1e-6 * sigma_c);
            if (As2 == 0 && sign > 0) {  // the uncracked section's bottom fibre, for the formation
                const double A = 150000 + n * As, yh = (150000 * 250 + n * As * d) / A;
                const double I = 300 * 500.0 * 500 * 500 / 12 + 150000 * (yh - 250) * (yh - 250) +
                                 n * As * (d - yh) * (d - yh);
                EXPECT_NEAR(r->uncracked_tension, M * (500 - yh) / I, 1e-9);
            }
            const double most_stretched = *std::min_element(r->sigma_s.begin(), r->sigma_s.end());
            EXPECT_NEAR(most_stretched, sigma_s, 1e-6 * std::fabs(sigma_s));
        }
    }
}

// Whole compressed (no crack) and whole stretched (steel only), and the crack between
// them under an axial force with its moment: N and M come back from the stresses.
TEST(ServiceStress, WholeCompressedWholeStretchedAndCrackedUnderAxialForce) {
    const Section& s = examples::doubly_symmetric;
    const auto squeezed = service_stress(s, n, 1e6, 0);
    ASSERT_TRUE(squeezed);
    EXPECT_EQ(squeezed->state, State::uncracked);
    EXPECT_EQ(squeezed->uncracked_tension, 0);
    EXPECT_NEAR(squeezed->sigma_c, 1e6 / (150000 + n * 1884), 1e-9);
    const auto pulled = service_stress(s, n, -300e3, 0);
    ASSERT_TRUE(pulled);
    EXPECT_EQ(pulled->state, State::stretched);
    EXPECT_NEAR(pulled->sigma_s[0], -300e3 / 1884, 1e-9);
    EXPECT_EQ(pulled->sigma_c, 0);

    for (const double N : {300e3, -100e3}) {
        const double M = 150e6;
        const auto r = service_stress(s, n, N, M);
        ASSERT_TRUE(r) << N;
        EXPECT_EQ(r->state, State::cracked);
        // The resultants of the stresses found: concrete triangle plus the bars.
        const double x = r->x, top = r->sigma_c, centroid = 250;
        double force = top * 300 * x / 2, moment = top * 300 * x / 2 * (centroid - x / 3);
        for (std::size_t i = 0; i < s.layers.size(); ++i) {
            force += r->sigma_s[i] * s.layers[i].area;
            moment += r->sigma_s[i] * s.layers[i].area * (centroid - s.layers[i].depth);
        }
        EXPECT_NEAR(force, N, 1e-6 * 1e6) << N;
        EXPECT_NEAR(moment, M, 1e-6 * M) << N;
    }
}

}  // namespace
}  // namespace norvexa::capacity
