#pragma once

#include <algorithm>

#include "capacity/capacity.h"

namespace norvexa::capacity {

// N/mm², compression positive.
inline double steel_stress(const SteelLaw& steel, double strain) {
    return std::clamp(steel.Es * strain, -steel.fyd, steel.fyd);
}

// The strain of a plane at a depth below the top fibre of a section of that height.
inline double strain_at(const Plane& plane, double height, double depth) {
    return plane.eps_top + (plane.eps_bottom - plane.eps_top) * depth / height;
}

}  // namespace norvexa::capacity
