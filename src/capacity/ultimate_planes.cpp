#include "capacity/ultimate_planes.h"

#include <algorithm>

namespace norvexa::capacity {

Plane oriented(Sign sign, double near, double far) {
    return sign == Sign::sagging ? Plane{near, far} : Plane{far, near};
}

double near_strain(Sign sign, const Plane& plane) {
    return sign == Sign::sagging ? plane.eps_top : plane.eps_bottom;
}

double far_strain(Sign sign, const Plane& plane) {
    return sign == Sign::sagging ? plane.eps_bottom : plane.eps_top;
}

UltimatePlanes::UltimatePlanes(const Section& section, const Materials& materials, Sign sign)
    : sign_(sign), height_(section.height()), pivot_depth_(0), eps_c2_(materials.concrete.eps_c2),
      eps_cu_(materials.concrete.eps_cu), eps_ud_(materials.steel.eps_ud) {
    for (const Layer& layer : section.layers) {
        if (layer.area <= 0) continue;
        const double depth = sign == Sign::sagging ? layer.depth : height_ - layer.depth;
        pivot_depth_ = std::max(pivot_depth_, depth);
    }
}

Plane UltimatePlanes::at(double t) const {
    t = std::clamp(t, tension, compression);
    if (t <= concrete_limit) {
        const double near = -eps_ud_ + t * (eps_ud_ + eps_cu_);
        return oriented(sign_, near, near - (near + eps_ud_) * height_ / pivot_depth_);
    }
    if (t <= whole_section) {
        const double far_at_limit = eps_cu_ - (eps_cu_ + eps_ud_) * height_ / pivot_depth_;
        return oriented(sign_, eps_cu_, far_at_limit * (whole_section - t));
    }
    const double far = (t - whole_section) * eps_c2_;
    // Through εc2 at the pivot, whose distance from the far fibre is εc2 / εcu · H.
    return oriented(sign_, eps_c2_ + (eps_c2_ - far) * (eps_cu_ - eps_c2_) / eps_c2_, far);
}

}  // namespace norvexa::capacity
