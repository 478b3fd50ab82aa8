#include "capacity/capacity.h"
#include "capacity/root_finder.h"
#include "capacity/steel_stress.h"
#include "capacity/ultimate_planes.h"

namespace norvexa::capacity {
namespace {

Capacity capacity_of(const Section& section, const Materials& materials, const Plane& plane, Sign sign) {
    Capacity c;
    c.MRd = integrate(section, materials, plane).M;
    c.plane = plane;
    const double height = section.height(), near = near_strain(sign, plane), far = far_strain(sign, plane);
    c.eps_c = near;
    c.neutral_axis = near > 0 && far < 0;
    if (c.neutral_axis) c.x = height * near / (near - far);
    for (const Layer& layer : section.layers) {
        const double strain = strain_at(plane, height, layer.depth);
        c.eps_s.push_back(strain);
        c.sigma_s.push_back(steel_stress(materials.steel, strain));
    }
    return c;
}

}  // namespace

double NRd_max(const Section& section, const Materials& materials) {
    const double eps_c2 = materials.concrete.eps_c2;
    return integrate(section, materials, {eps_c2, eps_c2}).N;
}

double NRd_min(const Section& section, const Materials& materials) {
    const double eps_ud = materials.steel.eps_ud;
    return integrate(section, materials, {-eps_ud, -eps_ud}).N;
}

std::optional<Capacity> capacity_at(const Section& section, const Materials& materials, double NEd, Sign sign) {
    const UltimatePlanes planes(section, materials, sign);
    const auto excess = [&](double t) { return integrate(section, materials, planes.at(t)).N - NEd; };
    double low = UltimatePlanes::tension, f_low = excess(low);
    if (f_low > 0) return std::nullopt;
    // The regions' ends first, so that the root is sought where N is smooth.
    for (const double end : {UltimatePlanes::concrete_limit, UltimatePlanes::whole_section, UltimatePlanes::compression}) {
        const double f_end = excess(end);
        if (f_end >= 0) {
            const double t = find_root(excess, low, end, f_low, f_end, force_tolerance);
            return capacity_of(section, materials, planes.at(t), sign);
        }
        low = end;
        f_low = f_end;
    }
    return std::nullopt;
}

}  // namespace norvexa::capacity
