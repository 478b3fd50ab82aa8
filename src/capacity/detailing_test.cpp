#include "capacity/detailing.h"

#include <gtest/gtest.h>

#include "capacity/shear_text.h"

namespace norvexa::capacity {
namespace {

// The 30 x 50 with bars at 46 cm (below the centroid) and at 4 cm, fck 25, fyk 450.
Section beam(double bottom, double top) { return {{{0, 500, 300}}, {{top, 40}, {bottom, 460}}}; }
const double least_bottom = 0.26 * fctm(25) / 450 * 300 * 460;  // above 0,0013 · bt · d
const double largest = 0.04 * 300 * 500;

bool holds(const Section& section, const std::optional<Stirrups>& stirrups, const std::string& rule) {
    for (const DetailingCheck& check : detailing(section, 25, 450, stirrups, true, true))
        if (check.rule == rule) return check.ok;
    ADD_FAILURE() << "no rule " << rule;
    return false;
}

// Each rule just met and just missed, by a thousandth.
TEST(Detailing, EachRuleJustPassesAndJustFails) {
    const Stirrups ample{2 * 50.27, 100};
    for (const double f : {1.001, 0.999}) {
        const bool above = f > 1;
        EXPECT_EQ(holds(beam(least_bottom * f, 402), ample, "Armatura tesa minima (inferiore)"), above);
        const double least_top = 0.26 * fctm(25) / 450 * 300 * 460;  // the top edge is as wide
        EXPECT_EQ(holds(beam(942, least_top * f), ample, "Armatura tesa minima (superiore)"), above);
        EXPECT_EQ(holds(beam(largest * f, 402), ample, "Armatura massima inferiore"), !above);
        EXPECT_EQ(holds(beam(942, largest * f), ample, "Armatura massima superiore"), !above);
        EXPECT_EQ(holds(beam(942, 402), Stirrups{90 * f, 200}, "Staffe: area minima"), above);
        EXPECT_EQ(holds(beam(942, 402), Stirrups{200, 1000.0 / 3 / f}, "Staffe: numero minimo"), above);
        EXPECT_EQ(holds(beam(942, 402), Stirrups{200, 368 * f}, "Staffe: passo massimo"), !above);
    }
    EXPECT_FALSE(holds(beam(942, 402), std::nullopt, "Staffe: area minima"));
}

TEST(Detailing, TheLeastSteelFollowsTheMomentSignsAndTheHighStrengthTensileFormula) {
    const auto rules = [](bool sagging, bool hogging) {
        return detailing(beam(942, 402), 25, 450, std::nullopt, sagging, hogging).size();
    };
    EXPECT_EQ(rules(true, false), 6u);
    EXPECT_EQ(rules(true, true), 7u);
    EXPECT_NEAR(fctm(25), 2.565, 1e-3);
    EXPECT_NEAR(fctm(60), 4.35, 5e-3);  // 2,12 · ln(1 + 6,8)
    const DetailingCheck check = detailing(beam(942, 402), 25, 450, std::nullopt, true, false).front();
    EXPECT_EQ(detailing_text(check), "Armatura tesa minima (inferiore): 9,42 cm² ≥ 2,05 cm²  ✔");
}

}  // namespace
}  // namespace norvexa::capacity
