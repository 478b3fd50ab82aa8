#include "capacity/ntc_shear.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace norvexa::capacity {
namespace {

// VRd,c of published EN 1992-1-1 cases (the formula is the same), with and without axial
// force: fck, d, Asl, bw, NEd, Ac, fcd = fck / 1,5, VRd,c in N to 1 %. The second has σcp
// capped at 0,2 · fcd, the third and fourth are held up by vmin, the fifth has ρ1 capped
// at 0,02 (the formula's own value) and the last is a slab strip 1 m wide, d 144 mm, half of
// 754 mm², where vmin governs (77,6 kN/m).
TEST(NtcShear, ResistanceWithoutShearReinforcementMatchesPublishedCases) {
    const struct {
        double fck, d, asl, bw, NEd, ac, expected;
    } cases[] = {
        {20, 250, 200, 100, 5e4, 30000, 20538},   {37.5, 450, 1000, 500, 1e8, 250000, 283334},
        {20, 250, 0, 100, 5e4, 30000, 16425},     {37.5, 450, 0, 500, 1e8, 250000, 272475},
        {30, 250, 1500, 100, 0, 30000, 22249},    {30, 144, 377, 1000, 0, 144000, 77600},
    };
    for (const auto& c : cases) {
        const NtcShear r = ntc_shear({c.bw, c.d, c.asl, c.ac}, {c.fck, c.fck / 1.5, 391.3}, c.NEd, 0, std::nullopt, {});
        EXPECT_NEAR(r.vrd_c, c.expected, 0.01 * c.expected) << c.fck << " " << c.asl;
        EXPECT_LE(r.rho1, 0.02);
        EXPECT_EQ(r.vrd, r.vrd_c);
    }
    // Tension lowers the resistance and never below zero.
    EXPECT_EQ(ntc_shear({300, 460, 942, 150000}, {25, 14.17, 391.3}, -5e6, 0, std::nullopt, {}).vrd_c, 0);
}

TEST(NtcShear, AlphaCInEachBandOfTheAxialStress) {
    const double fcd = 20 / 1.5;
    const struct {
        double NEd, expected;
    } cases[] = {{-1, 1}, {0, 1}, {100e3, 1.1875}, {250e3, 1.25}, {500e3, 0.15625}, {1e7, 0}};
    for (const auto& c : cases) EXPECT_NEAR(alpha_c(c.NEd / 40000, fcd), c.expected, 1e-4) << c.NEd;
}

// Stirrups and struts: the published VRd,s (z 4880 mm, 2 arms φ16 at 200 mm, fyk 400,
// ctgθ 1: 3413 kN) and VRd,max (bw 100, z 300, fck 20, NEd 100 kN on 400 cm², ctgθ 1 and
// 2,5: 131,1 and 90,41 kN with ν1 = 0,552) carried to ν = 0,5.
TEST(NtcShear, StirrupsAndStrutsMatchPublishedCases) {
    const Stirrups two_16{2 * std::numbers::pi * 64, 200};
    const NtcShear stirrups = ntc_shear({300, 4880 / 0.9, 0, 1e7}, {30, 20, 400 / 1.15}, 0, 0, two_16, 1.0);
    EXPECT_NEAR(stirrups.vrsd, 3413e3, 0.01 * 3413e3);

    const Stirrups light{10, 1000};
    for (const auto& [cot, published] : {std::pair{1.0, 131100.0}, std::pair{2.5, 90409.12}}) {
        const NtcShear r = ntc_shear({100, 300 / 0.9, 0, 40000}, {20, 20 / 1.5, 391.3}, 100e3, 0, light, cot);
        EXPECT_NEAR(r.vrcd, published * 0.5 / 0.552, 0.01 * published) << cot;
        EXPECT_EQ(r.vrd, std::min(r.vrsd, r.vrcd));
    }
}

// The balanced inclination makes VRsd = VRcd inside [1; 2,5] and is clipped at both ends.
TEST(NtcShear, TheBalancedInclinationIsClippedAtBothEnds) {
    const ShearSection beam{300, 460, 942, 150000};
    const NtcStrengths strengths{25, 14.17, 391.3};
    const struct {
        double asw, spacing, expected;  // expected 0: strictly inside, VRsd = VRcd
    } cases[] = {{2 * 50.27, 100, 0}, {2 * 50.27, 400, 2.5}, {4 * 201, 50, 1}};
    for (const auto& c : cases) {
        const NtcShear r = ntc_shear(beam, strengths, 0, 200e3, Stirrups{c.asw, c.spacing}, std::nullopt);
        if (c.expected == 0) {
            EXPECT_GT(r.cot_theta, 1);
            EXPECT_LT(r.cot_theta, 2.5);
            EXPECT_NEAR(r.vrsd, r.vrcd, 1e-6 * r.vrcd);
        } else {
            EXPECT_EQ(r.cot_theta, c.expected) << c.spacing;
        }
    }
}

// The verdict: VEd ≤ VRd; with stirrups VEd ≤ VRd,c suffices, without them it is the limit.
TEST(NtcShear, VerdictAgainstVRdAndVRdc) {
    const ShearSection beam{300, 460, 942, 150000};
    const NtcStrengths strengths{25, 14.17, 391.3};
    const Stirrups stirrups{2 * 50.27, 100};
    const double vrd_c = ntc_shear(beam, strengths, 0, 0, std::nullopt, {}).vrd_c;
    const double vrd = ntc_shear(beam, strengths, 0, 0, stirrups, {}).vrd;
    const struct {
        bool with_stirrups;
        double VEd;
        bool verified, minimum;
    } cases[] = {{false, vrd_c, true, true},  {false, vrd_c * 1.001, false, false},
                 {true, vrd, true, false},    {true, vrd * 1.001, false, false}};
    for (const auto& c : cases) {
        const NtcShear r = ntc_shear(beam, strengths, 0, c.VEd, c.with_stirrups ? std::optional(stirrups) : std::nullopt, {});
        EXPECT_EQ(r.verified(), c.verified) << c.VEd;
        EXPECT_EQ(r.minimum_suffices(), c.minimum) << c.VEd;
    }
}

}  // namespace
}  // namespace norvexa::capacity
