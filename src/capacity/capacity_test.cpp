#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/field_map.h"
#include "analysis/section_analysis.h"
#include "capacity/capacity.h"
#include "capacity_examples.h"

namespace norvexa::capacity {
namespace {

using namespace examples;

double strain_at_depth(const Plane& plane, double height, double depth) {
    return plane.eps_top + (plane.eps_bottom - plane.eps_top) * depth / height;
}

using Texts = std::vector<std::pair<std::string, std::string>>;

// MRd at N = 0 against the analysis window's strip method on the same form, whose
// strips and tolerance bias its moment by well under 1 %.
TEST(Capacity, PureBendingMatchesTheStripMethodOfTheAnalysis) {
    struct Case {
        const char* what;
        Texts texts;
        bool tee;
    };
    const std::vector<Case> cases = {
        {"worked example 30 x 50", {{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"}}, false},
        {"doubly reinforced 30 x 60",
         {{"tb", "30"}, {"th", "60"}, {"strati", "N° 2 Strati barre"}, {"ta1", "4,02"}, {"td1", "4"},
          {"ta2", "18,85"}, {"td2", "56"}},
         false},
        {"T 120 x 120, four layers",
         {{"tb", "120"}, {"th", "20"}, {"tb2", "40"}, {"th2", "100"}, {"strati", "N° 4 Strati barre"},
          {"ta1", "6,03"}, {"td1", "4"}, {"ta2", "24,13"}, {"td2", "106"}, {"ta3", "24,13"}, {"td3", "111"},
          {"ta4", "24,13"}, {"td4", "116"}},
         true},
    };
    for (const Case& c : cases) {
        FieldMap form = FieldMap::with_start_values();
        form.set_value("Check5", 0);
        for (const auto& [name, text] : c.texts) form.set_text(name, text);
        if (c.tee) {
            form.set_value("t", 1);
            form.set_value("rett", 0);
        }
        ScriptedPrompter prompter;
        AnalysisInput input;
        AnalysisResults results;
        SectionAnalysis(form, prompter, input, results).variabili();
        ASSERT_TRUE(results.bending) << c.what;

        const auto section = section_from_form(form);
        ASSERT_TRUE(std::holds_alternative<Section>(section)) << std::get<std::string>(section);
        const auto capacity = capacity_at(std::get<Section>(section), dm96_c25, 0, Sign::sagging);
        ASSERT_TRUE(capacity) << c.what;
        EXPECT_NEAR(capacity->MRd / 1e6 / results.bending->mrd, 1, 0.01) << c.what;
        if (std::string(c.what) == "worked example 30 x 50") {
            EXPECT_EQ(results.lm.text, "146,1");
            EXPECT_NEAR(capacity->x / results.bending->neutral_axis / 10, 1, 0.03);
            EXPECT_NEAR(capacity->eps_c * 1000 / results.bending->epsclsz, 1, 0.03);
        }
    }
}

// Every region of the ultimate planes of both signs, reached with NEd between the axial
// forces of the planes that bound it, found from their strains.
TEST(Capacity, EveryRegionOfTheUltimatePlanesForBothSigns) {
    struct Case {
        const Section* section;
        const Materials* materials;
        Sign sign;
    };
    for (const Case& c : {Case{&tee, &dm96_c25, Sign::sagging}, Case{&tee, &dm96_c25, Sign::hogging},
                          Case{&tee, &ntc_c70, Sign::sagging}, Case{&worked_example, &ntc_c70, Sign::hogging}}) {
        const Section& s = *c.section;
        const Materials& m = *c.materials;
        const double H = s.height(), cu = m.concrete.eps_cu, c2 = m.concrete.eps_c2, ud = m.steel.eps_ud;
        const bool sagging = c.sign == Sign::sagging;
        // Depths measured from the compressed fibre, and the most stretched layer's.
        const auto from_near = [&](double depth) { return sagging ? depth : H - depth; };
        double pivot = 0;
        for (const Layer& layer : s.layers) pivot = std::max(pivot, from_near(layer.depth));
        const auto plane = [&](double near, double far) { return sagging ? Plane{near, far} : Plane{far, near}; };
        const auto strain = [&](const Plane& p, double distance) {
            return strain_at_depth(p, H, sagging ? distance : H - distance);
        };
        const double N_balanced = integrate(s, m, plane(cu, cu - (cu + ud) * H / pivot)).N;
        const double N_whole = integrate(s, m, plane(cu, 0)).N;
        const double N_min = NRd_min(s, m), N_max = NRd_max(s, m);
        ASSERT_LT(N_min, N_balanced);
        ASSERT_LT(N_balanced, N_whole);
        ASSERT_LT(N_whole, N_max);

        const auto at = [&](double NEd) {
            const auto capacity = capacity_at(s, m, NEd, c.sign);
            EXPECT_TRUE(capacity);
            EXPECT_NEAR(integrate(s, m, capacity->plane).N, NEd, 0.01);
            EXPECT_NEAR(capacity->eps_c, strain(capacity->plane, 0), 1e-15);
            return capacity->plane;
        };
        const Plane region1 = at((N_min + 3 * N_balanced) / 4);
        EXPECT_NEAR(strain(region1, pivot), -ud, 1e-12);
        EXPECT_LT(strain(region1, 0), cu);
        const Plane region2 = at((N_balanced + N_whole) / 2);
        EXPECT_NEAR(strain(region2, 0), cu, 1e-12);
        EXPECT_GT(strain(region2, pivot), -ud);
        EXPECT_LT(strain(region2, H), 0);
        const Plane region3 = at((N_whole + N_max) / 2);
        EXPECT_NEAR(strain(region3, (1 - c2 / cu) * H), c2, 1e-12);
        EXPECT_GT(strain(region3, H), 0);
        EXPECT_LT(strain(region3, H), c2);
    }
}

TEST(Capacity, NEdJustInsideAndJustOutsideTheDomain) {
    for (const Section* s : {&worked_example, &tee}) {
        const double N_max = NRd_max(*s, dm96_c25), N_min = NRd_min(*s, dm96_c25);
        for (const Sign sign : {Sign::sagging, Sign::hogging}) {
            for (const double inside : {N_max, N_max - 0.5, N_min, N_min + 0.5}) {
                const auto capacity = capacity_at(*s, dm96_c25, inside, sign);
                ASSERT_TRUE(capacity) << inside;
                EXPECT_NEAR(integrate(*s, dm96_c25, capacity->plane).N, inside, 0.01);
            }
            for (const double outside : {N_max + 0.5, N_min - 0.5})
                EXPECT_FALSE(capacity_at(*s, dm96_c25, outside, sign)) << outside;
        }
    }
}

TEST(Capacity, TheCapacityPlaneReportsTheNeutralAxisAndEveryLayer) {
    const auto capacity = capacity_at(tee, dm96_c25, 1e6, Sign::sagging);
    ASSERT_TRUE(capacity);
    const Plane& p = capacity->plane;
    ASSERT_TRUE(capacity->neutral_axis);
    EXPECT_NEAR(strain_at_depth(p, 1200, capacity->x), 0, 1e-15);
    ASSERT_EQ(capacity->eps_s.size(), 4u);
    ASSERT_EQ(capacity->sigma_s.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const double e = strain_at_depth(p, 1200, tee.layers[i].depth);
        EXPECT_NEAR(capacity->eps_s[i], e, 1e-15);
        EXPECT_NEAR(capacity->sigma_s[i], std::clamp(200000 * e, -373.9, 373.9), 1e-9);
    }
    const auto tension = capacity_at(tee, dm96_c25, NRd_min(tee, dm96_c25), Sign::sagging);
    ASSERT_TRUE(tension);
    EXPECT_FALSE(tension->neutral_axis);
}

// The domain: closed, from pure tension to pure compression on both sides, every point on
// the ultimate boundary of its side, once round its middle clockwise (it is not quite
// convex: where the concrete starts to work under a pivot at εud the boundary bends
// outwards a little); a doubly symmetric section's mirrored.
TEST(Domain, EachSideIsTheUltimateBoundaryGoingRoundOnce) {
    for (const Section* s : {&doubly_symmetric, &tee, &worked_example}) {
        const std::vector<DomainPoint> polygon = domain(*s, dm96_c25);
        const double N_max = NRd_max(*s, dm96_c25), N_min = NRd_min(*s, dm96_c25);
        ASSERT_GE(polygon.size(), 200u);
        EXPECT_DOUBLE_EQ(polygon.front().N, N_min);
        const auto top = std::max_element(polygon.begin(), polygon.end(),
                                          [](const DomainPoint& a, const DomainPoint& b) { return a.N < b.N; });
        EXPECT_DOUBLE_EQ(top->N, N_max);
        const std::size_t sagging_points = static_cast<std::size_t>(top - polygon.begin()) + 1;
        EXPECT_GE(sagging_points, 100u);
        EXPECT_GE(polygon.size() - sagging_points, 100u);

        double m_scale = 0, N_middle = 0, M_middle = 0;
        for (const DomainPoint& p : polygon) {
            m_scale = std::max(m_scale, std::fabs(p.M));
            N_middle += p.N / polygon.size();
            M_middle += p.M / polygon.size();
        }
        const auto angle = [&](const DomainPoint& p) {
            return std::atan2((p.M - M_middle) / m_scale, (p.N - N_middle) / (N_max - N_min));
        };
        double winding = 0;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const Sign sign = i < sagging_points ? Sign::sagging : Sign::hogging;
            const auto capacity = capacity_at(*s, dm96_c25, polygon[i].N, sign);
            ASSERT_TRUE(capacity);
            EXPECT_NEAR(capacity->MRd, polygon[i].M, 1e-6 * m_scale) << i;
            if (s == &doubly_symmetric) {
                const Sign other = sign == Sign::sagging ? Sign::hogging : Sign::sagging;
                EXPECT_NEAR(capacity_at(*s, dm96_c25, polygon[i].N, other)->MRd, -polygon[i].M, 1e-6 * m_scale);
            }
            const double turn = std::remainder(angle(polygon[(i + 1) % polygon.size()]) - angle(polygon[i]), 2 * std::numbers::pi);
            EXPECT_LT(turn, 0) << i;
            winding += turn;
        }
        EXPECT_NEAR(winding, -2 * std::numbers::pi, 1e-9);
    }
}

}  // namespace
}  // namespace norvexa::capacity
