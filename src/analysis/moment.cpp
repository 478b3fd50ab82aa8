#include "analysis/moment.h"

#include <cmath>

#include "common/arithmetic_fault.h"

namespace norvexa {

Moment resisting_moment(const AnalysisInput& in, const Trial& accepted, float x) {
    Moment m;
    const float e = accepted.epsclsz;
    if (e >= 2) {
        m.sigmac = in.fcd;
    } else {
        const float parabola = single(1 - single(single(e * 250.0) / 1000.0));
        m.sigmac = single(static_cast<double>(parabola) * single(single(single(e * 1000.0) / 1000.0) * in.fcd));
    }
    if (m.sigmac > in.fcd) m.sigmac = in.fcd;

    const double xd = x, top = e, fcd = in.fcd;
    double concrete = 0;
    for (double y = 0; y <= xd; y += 1) {
        const double width = y <= in.h ? in.b : in.b2;
        const double strain = (xd - y - 0.5) * top / xd;
        const double stress = strain >= 2 ? fcd : fcd * (strain * 1000 / 1000) * (1 - strain * 250 / 1000);
        concrete += stress * width * 1 * (xd - y);
    }
    double total = concrete;
    for (int i = 0; i < 4; ++i) {
        const float force = single(std::fabs(static_cast<double>(accepted.sigma[i]) * in.a[i]));
        total += single(static_cast<double>(force) * std::fabs(single(in.D[i] - x)));
    }
    m.mrd = finite(total) / 1000000;
    return m;
}

}  // namespace norvexa
