#include "analysis/standard_shear.h"

#include "analysis/form_numbers.h"
#include "common/numbers.h"

namespace norvexa {

void standard_shear(const StandardShearInput& in, ShearResult& r, const std::function<void(ShearStep)>& found) {
    const double d = in.d;
    const float taurd = required(in.taurd);
    r.k = single(1.6 - single(d / 1000));
    if (r.k < 1) r.k = 1;
    found(ShearStep::size);

    r.bw = in.bw;
    found(ShearStep::web);
    r.rho = single(divide(in.asl, single(static_cast<double>(r.bw) * d)));
    found(ShearStep::steel_ratio);

    r.vrd1 = finite(static_cast<double>(taurd) * r.k * (1.2 + 40.0 * r.rho) * r.bw * d +
                    0.15 * in.sigma_cp * r.bw * d);
    r.vsd = in.vsd;
    found(ShearStep::vrd1);

    r.nu = single(0.7 - static_cast<double>(required(in.fck)) / 200);
    found(ShearStep::nu);
    r.vrd2 = finite(0.5 * r.nu * required(in.fcd) * r.bw * 0.9 * d);
    found(ShearStep::struts);

    r.smax = r.vsd <= r.vrd2 / 5 ? 0.8 * d : r.vsd <= 2.0 / 3 * r.vrd2 ? 0.6 * d : 0.3 * d;
    if (r.smax > 300) r.smax = 300;
    found(ShearStep::largest_spacing);

    r.spacing = in.stirrups ? double_or_zero(in.spacing) * 10 : 0;
    found(ShearStep::spacing);

    if (in.stirrups) {
        const double asw = required(in.ast) * 100 * r.spacing / 1000;
        r.vwd = divide(static_cast<double>(in.fsd) * d * 0.9 * asw, r.spacing);
    } else {
        r.vwd = 0;
    }
    found(ShearStep::vwd);

    r.vrd3 = r.vrd1 + r.vwd;
    found(ShearStep::vrd3);

    r.ratio = 0;
    if (in.stirrups) {
        const double arms = double_of(in.arms);
        const double diameter = double_of(in.diameter);
        const double spacing = double_of(in.spacing);
        const double radius = diameter / 10 / 2;
        const double per_metre = round_to(divide(arms * 3.1415 * radius * radius * 100, spacing), 2);
        r.ratio = divide(per_metre, static_cast<double>(r.bw) * spacing);
    }
    found(ShearStep::stirrup_ratio);
}

}  // namespace norvexa
