#include "capacity/capacity.h"

#include <algorithm>

#include "capacity/root_finder.h"
#include "capacity/steel_stress.h"
#include "capacity/ultimate_planes.h"

namespace norvexa::capacity {
namespace {

struct Bent {
    CurvaturePoint point;
    double beyond_yield;  // how far the most stretched layer is past fyd / Es, negative before
};

// The plane of one curvature and sign that carries N, found on the near fibre's strain,
// along which N never decreases, between a plane stretched beyond yield everywhere
// (N = NRd_min) and one compressed beyond εc2 everywhere (N >= NRd_max).
class BentPlanes {
  public:
    BentPlanes(const Section& section, const Materials& materials, double N, Sign sign)
        : section_(section), materials_(materials), N_(N), sign_(sign), height_(section.height()),
          eps_y_(materials.steel.fyd / materials.steel.Es) {}

    Bent at(double chi) const {
        const double rotation = chi * height_;
        const auto plane = [&](double near) { return oriented(sign_, near, near - rotation); };
        const auto excess = [&](double near) { return integrate(section_, materials_, plane(near)).N - N_; };
        const double low = -eps_y_, high = materials_.concrete.eps_c2 + rotation;
        const Plane found = plane(find_root(excess, low, high, excess(low), excess(high), force_tolerance));
        double stretch = -1;
        for (const Layer& layer : section_.layers)
            if (layer.area > 0) stretch = std::max(stretch, -strain_at(found, height_, layer.depth));
        return {{chi, integrate(section_, materials_, found).M}, stretch - eps_y_};
    }

  private:
    const Section& section_;
    const Materials& materials_;
    double N_;
    Sign sign_;
    double height_, eps_y_;
};

}  // namespace

std::optional<MomentCurvature> moment_curvature(const Section& section, const Materials& materials, double N,
                                                Sign sign, int points) {
    const std::optional<Capacity> ultimate = capacity_at(section, materials, N, sign);
    if (!ultimate || points < 2) return std::nullopt;
    const double chi_u = (near_strain(sign, ultimate->plane) - far_strain(sign, ultimate->plane)) / section.height();
    if (!(chi_u > 0)) return std::nullopt;

    const BentPlanes planes(section, materials, N, sign);
    MomentCurvature curve{};
    Bent last = planes.at(0);
    curve.points.push_back(last.point);
    for (int k = 1; k < points; ++k) {
        const Bent next = planes.at(chi_u * k / (points - 1));
        if (last.beyond_yield < 0 && next.beyond_yield >= 0) {
            const auto beyond = [&](double chi) { return planes.at(chi).beyond_yield; };
            const double chi_y = find_root(beyond, last.point.chi, next.point.chi, last.beyond_yield,
                                           next.beyond_yield, 1e-9 * materials.steel.eps_ud);
            curve.yield = planes.at(chi_y).point;
            if (chi_y < next.point.chi) curve.points.push_back(curve.yield);
        }
        curve.points.push_back(next.point);
        last = next;
    }
    curve.ultimate = curve.points.back();
    if (!(curve.yield.chi > 0)) curve.yield = curve.ultimate;
    curve.ductility = curve.ultimate.chi / curve.yield.chi;
    return curve;
}

}  // namespace norvexa::capacity
