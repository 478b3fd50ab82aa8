#pragma once

#include "capacity/capacity.h"

namespace norvexa::capacity {

// The plane of a sign given the strains of its most compressed fibre (the top when
// sagging) and of the opposite one.
Plane oriented(Sign sign, double near, double far);
// The strains of the most compressed fibre and of the opposite one.
double near_strain(Sign sign, const Plane& plane);
double far_strain(Sign sign, const Plane& plane);

// The ultimate planes of one sign along one parameter t, along which every strain and so
// N never decreases (but for a compressed layer above the pivot of region 3 of a steel
// that yields beyond εc2):
//   0..1  region 1: the most stretched layer at −εud, the near fibre from −εud to εcu;
//   1..2  region 2: the near fibre at εcu, the far fibre up to 0;
//   2..3  region 3: the fibre at (1 − εc2/εcu) · H from the near one at εc2, the far fibre up to εc2.
// t = 0 is uniform tension at εud, t = 3 uniform compression at εc2.
class UltimatePlanes {
  public:
    static constexpr double tension = 0, concrete_limit = 1, whole_section = 2, compression = 3;

    UltimatePlanes(const Section& section, const Materials& materials, Sign sign);
    Plane at(double t) const;

  private:
    Sign sign_;
    double height_, pivot_depth_;  // the most stretched layer's distance from the near fibre
    double eps_c2_, eps_cu_, eps_ud_;
};

}  // namespace norvexa::capacity
