#include "capacity/capacity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "capacity/steel_stress.h"

namespace norvexa::capacity {
namespace {

// Over t in [-1/2, 1/2], with u = um + d·t: the integrals of u^n and of u^n · t.
struct PowerIntegrals {
    double zeroth, first;
};

// Below this ratio d / um the closed forms lose their digits to cancellation (the first
// one as (um/d)²), and the binomial series, whose terms fall as (d / 2um)², takes over.
constexpr double series_ratio = 0.01;
constexpr int series_terms = 10;

PowerIntegrals power_integrals(double u1, double u2, double n) {
    const double um = (u1 + u2) / 2, d = u2 - u1;
    if (um <= 0) return {0, 0};
    if (std::fabs(d) <= series_ratio * um) {
        const double r = d / um;
        double binomial = 1, power = 1, zeroth = 0, first = 0;
        for (int k = 0; k < series_terms; ++k) {
            const double term = binomial * power / std::ldexp(1.0, k);
            if (k % 2 == 0) zeroth += term / (k + 1);
            else first += term / (2 * (k + 2));
            binomial *= (n - k) / (k + 1);
            power *= r;
        }
        const double scale = std::pow(um, n);
        return {scale * zeroth, scale * first};
    }
    const double p1 = std::pow(u2, n + 1) - std::pow(u1, n + 1), p2 = std::pow(u2, n + 2) - std::pow(u1, n + 2);
    return {p1 / ((n + 1) * d), (p2 / (n + 2) - um * p1 / (n + 1)) / (d * d)};
}

// Adds the concrete of one band, cut where the strain crosses 0 and εc2 into pieces each
// without stress, at the parabola or at fcd.
void add_band(Forces& sum, const Band& band, const ConcreteLaw& concrete, const Plane& plane, double height,
              double centroid) {
    const double slope = (plane.eps_bottom - plane.eps_top) / height;
    std::array<double, 4> cuts{band.top};
    std::size_t count = 1;
    if (slope != 0) {
        for (const double strain : {0.0, concrete.eps_c2}) {
            const double depth = (strain - plane.eps_top) / slope;
            if (depth > band.top && depth < band.bottom) cuts[count++] = depth;
        }
    }
    if (count == 3 && cuts[1] > cuts[2]) std::swap(cuts[1], cuts[2]);
    cuts[count++] = band.bottom;
    const auto u_at = [&](double depth) {
        return std::clamp(1 - (plane.eps_top + slope * depth) / concrete.eps_c2, 0.0, 1.0);
    };
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const double y1 = cuts[i], y2 = cuts[i + 1], length = y2 - y1, middle = (y1 + y2) / 2;
        const double strain = plane.eps_top + slope * middle;
        if (length <= 0 || strain <= 0) continue;
        const double force_per_stress = band.width * length;
        if (strain >= concrete.eps_c2) {
            sum.N += concrete.fcd * force_per_stress;
            sum.M += concrete.fcd * force_per_stress * (centroid - middle);
            continue;
        }
        const PowerIntegrals p = power_integrals(u_at(y1), u_at(y2), concrete.n);
        const double force = concrete.fcd * force_per_stress * (1 - p.zeroth);
        sum.N += force;
        sum.M += force * (centroid - middle) + concrete.fcd * band.width * length * length * p.first;
    }
}

}  // namespace

Forces integrate(const Section& section, const Materials& materials, const Plane& plane) {
    const double height = section.height(), centroid = section.centroid();
    Forces sum{0, 0};
    for (const Band& band : section.bands) add_band(sum, band, materials.concrete, plane, height, centroid);
    for (const Layer& layer : section.layers) {
        const double force = layer.area * steel_stress(materials.steel, strain_at(plane, height, layer.depth));
        sum.N += force;
        sum.M += force * (centroid - layer.depth);
    }
    return sum;
}

}  // namespace norvexa::capacity
