#include "capacity/crack_width.h"

#include <gtest/gtest.h>

#include "capacity_examples.h"

namespace norvexa::capacity {
namespace {

// A published EN 1992-1-1 example: slab strip 400 x 300, C25/30, three φ16 at 170 mm with
// 35 mm cover, σs 175,74 N/mm², ρeff from hc,ef = 86 mm, kt 0,4: sr,max 274,12 mm,
// εsm − εcm 5,5354e-4, wk 0,1517 mm.
TEST(CrackWidth, APublishedExampleIsReproduced) {
    const CrackBars bars{16, 35, 170};
    const CrackMaterials materials{25, 200000, 0.4};
    const double rho_eff = 603.19 / (400 * 86);
    EXPECT_NEAR(close_crack_spacing(bars, rho_eff, 0.5), 274.12, 0.01);
    EXPECT_NEAR(strain_difference(175.74, rho_eff, materials), 5.5354e-4, 1e-8);
    EXPECT_NEAR(close_crack_spacing(bars, rho_eff, 0.5) * strain_difference(175.74, rho_eff, materials), 0.1517,
                1e-4);
    // A low stress leaves the minimum 0,6 · σs / Es.
    EXPECT_EQ(strain_difference(60, rho_eff, materials), 0.6 * 60 / 200000);
}

// On the cracked section: hc,ef the least of its three, bars wide apart spaced by
// 1,3 · (h − x), and k2 = 1 under an even tension.
TEST(CrackWidth, OnTheSectionTheEffectiveAreaTheWideSpacingAndK2) {
    const Section& s = examples::worked_example;
    const auto bending = service_stress(s, 15, 0, 100e6);
    ASSERT_TRUE(bending);
    const CrackMaterials materials{25, 200000, 0.4};
    const CrackWidth close = crack_width(s, *bending, {20, 30, 60}, materials);
    EXPECT_NEAR(close.hc_ef, std::min({2.5 * 40, (500 - bending->x) / 3, 250.0}), 1e-9);
    EXPECT_NEAR(close.rho_eff, 942 / (300 * close.hc_ef), 1e-12);
    EXPECT_EQ(close.k2, 0.5);
    EXPECT_FALSE(close.wide_spacing);
    EXPECT_NEAR(close.wk, close.sr_max * close.strain, 1e-12);

    const CrackWidth wide = crack_width(s, *bending, {20, 30, 200.1}, materials);  // 5 · (30 + 10) = 200
    EXPECT_TRUE(wide.wide_spacing);
    EXPECT_NEAR(wide.sr_max, 1.3 * (500 - bending->x), 1e-9);

    const auto pulled = service_stress(examples::doubly_symmetric, 15, -300e3, 0);
    ASSERT_TRUE(pulled);
    EXPECT_NEAR(crack_width(examples::doubly_symmetric, *pulled, {20, 30, 60}, materials).k2, 1, 1e-12);

    // A tension above the steel's centroid stretches the top bars most, though the uncracked
    // section would have its bottom the more stretched: the width is the top bars'.
    const Section& uneven = examples::doubly_reinforced;
    const auto above = service_stress(uneven, 15, -300e3, 20e6);
    ASSERT_TRUE(above);
    EXPECT_EQ(above->state, ServiceStress::State::stretched);
    EXPECT_FALSE(above->top_compressed);
    EXPECT_LT(above->sigma_s[0], above->sigma_s[1]);
    const CrackWidth top = crack_width(uneven, *above, {16, 32, 100}, materials);
    EXPECT_NEAR(top.hc_ef, 2.5 * 40, 1e-9);
    EXPECT_NEAR(top.rho_eff, 402 / (300 * top.hc_ef), 1e-12);
    EXPECT_GT(top.k2, 0.5);
    EXPECT_LT(top.k2, 1);
}

}  // namespace
}  // namespace norvexa::capacity
