#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "capacity/capacity.h"
#include "capacity_examples.h"

namespace norvexa::capacity {
namespace {

using namespace examples;

// The plane's resultant summed over thin strips, as a reference for the closed forms.
Forces strip_sum(const Section& section, const Materials& m, const Plane& plane) {
    const double height = section.height(), centroid = section.centroid();
    const auto strain = [&](double y) { return plane.eps_top + (plane.eps_bottom - plane.eps_top) * y / height; };
    Forces sum{0, 0};
    for (const Band& band : section.bands) {
        const int strips = 200000;
        const double h = (band.bottom - band.top) / strips;
        for (int i = 0; i < strips; ++i) {
            const double y = band.top + (i + 0.5) * h, e = strain(y);
            const ConcreteLaw& c = m.concrete;
            const double sigma = e <= 0 ? 0 : e >= c.eps_c2 ? c.fcd : c.fcd * (1 - std::pow(1 - e / c.eps_c2, c.n));
            sum.N += sigma * band.width * h;
            sum.M += sigma * band.width * h * (centroid - y);
        }
    }
    for (const Layer& layer : section.layers) {
        const double sigma = std::fmax(-m.steel.fyd, std::fmin(m.steel.fyd, m.steel.Es * strain(layer.depth)));
        sum.N += layer.area * sigma;
        sum.M += layer.area * sigma * (centroid - layer.depth);
    }
    return sum;
}

TEST(Integrate, MatchesThinStripsOnEveryKindOfPlane) {
    struct Case {
        const char* what;
        const Section* section;
        const Materials* materials;
        Plane plane;
    };
    const std::vector<Case> cases = {
        {"neutral axis in the rectangle, beyond εc2 at the top", &doubly_reinforced, &dm96_c25, {0.0035, -0.010}},
        {"parabola only", &doubly_reinforced, &dm96_c25, {0.0012, -0.004}},
        {"top stretched", &doubly_reinforced, &dm96_c25, {-0.010, 0.0035}},
        {"all compressed, across εc2", &doubly_reinforced, &dm96_c25, {0.0035, 0.0005}},
        {"all compressed, bottom beyond εc2", &doubly_reinforced, &dm96_c25, {0.001, 0.0030}},
        {"all stretched", &doubly_reinforced, &dm96_c25, {-0.001, -0.010}},
        {"nearly uniform, series", &doubly_reinforced, &dm96_c25, {0.0015, 0.0015001}},
        {"nearly uniform, next to the series' limit", &doubly_reinforced, &dm96_c25, {0.0015, 0.001502}},
        {"just past the series' limit", &doubly_reinforced, &dm96_c25, {0.0015, 0.00151}},
        {"uniform in the parabola", &tee, &dm96_c25, {0.0011, 0.0011}},
        {"neutral axis in the flange", &tee, &dm96_c25, {0.0035, -0.02}},
        {"neutral axis in the web", &tee, &dm96_c25, {0.0035, -0.004}},
        {"hogging, across the flange", &tee, &dm96_c25, {-0.003, 0.0035}},
        {"non-integer exponent, axis in the web", &tee, &ntc_c70, {0.002656, -0.01}},
        {"non-integer exponent, all compressed", &tee, &ntc_c70, {0.0026, 0.0009}},
        {"non-integer exponent, nearly uniform", &tee, &ntc_c70, {0.0009, 0.00090001}},
    };
    for (const Case& c : cases) {
        const Forces exact = integrate(*c.section, *c.materials, c.plane);
        const Forces strips = strip_sum(*c.section, *c.materials, c.plane);
        const double n_scale = c.materials->concrete.fcd * c.section->area();
        EXPECT_NEAR(exact.N, strips.N, 1e-7 * n_scale) << c.what;
        EXPECT_NEAR(exact.M, strips.M, 1e-7 * n_scale * c.section->height()) << c.what;
    }
}

// The parabola-rectangle over a rectangle of concrete at εcu 3,5 ‰ on its top fibre: the
// resultant 0,8095 · fcd · b · x at 0,416 · x below the top, wherever the neutral axis is.
TEST(Integrate, ConcreteAtItsLimitGivesTheStressBlockOfTheCodes) {
    struct Case {
        Section section;
        double width, x;
    };
    const std::vector<Case> cases = {
        {{{{0, 500, 300}}, {}}, 300, 60},
        {{{{0, 500, 300}}, {}}, 300, 200},
        {{{{0, 500, 300}}, {}}, 300, 480},
        {{{{0, 200, 1200}, {200, 1200, 400}}, {}}, 1200, 150},
    };
    for (const Case& c : cases) {
        const double height = c.section.height();
        const Plane plane{0.0035, 0.0035 * (1 - height / c.x)};
        const Forces f = integrate(c.section, dm96_c25, plane);
        EXPECT_NEAR(f.N / (dm96_c25.concrete.fcd * c.width * c.x), 0.8095, 5e-5) << c.x;
        const double depth = c.section.centroid() - f.M / f.N;
        EXPECT_NEAR(depth / c.x, 0.416, 5e-4) << c.x;
    }
}

// A section with no concrete compressed, or wholly at εc2, has its resultant by hand.
TEST(Integrate, PureCompressionAndPureTensionByHand) {
    const Materials yielding_at_eps_c2 = dm96_c25;  // Es · εc2 = 400 > 373,9
    const Materials elastic_at_eps_c2{{13.28, 0.002, 0.0035, 2}, {435, 200000, 0.010}};
    struct Case {
        const Section* section;
        const Materials* materials;
        double compression, tension;
    };
    const std::vector<Case> cases = {
        {&doubly_reinforced, &yielding_at_eps_c2, 13.28 * 300 * 500 + (402 + 942) * 373.9, -(402 + 942) * 373.9},
        {&doubly_reinforced, &elastic_at_eps_c2, 13.28 * 300 * 500 + (402 + 942) * 400.0, -(402 + 942) * 435.0},
        {&tee, &yielding_at_eps_c2, 13.28 * (1200 * 200 + 400 * 1000) + (603 + 3 * 2413) * 373.9,
         -(603 + 3 * 2413) * 373.9},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(NRd_max(*c.section, *c.materials), c.compression, 1e-6);
        EXPECT_NEAR(NRd_min(*c.section, *c.materials), c.tension, 1e-6);
        EXPECT_NEAR(integrate(*c.section, *c.materials, {-0.0022, -0.009}).N, c.tension, 1e-6);
    }
}

}  // namespace
}  // namespace norvexa::capacity
