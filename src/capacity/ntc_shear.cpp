#include "capacity/ntc_shear.h"

#include <algorithm>
#include <cmath>

namespace norvexa::capacity {
namespace {

constexpr double gamma_c = 1.5, nu = 0.5;

}  // namespace

double alpha_c(double sigma_cp, double fcd) {
    if (sigma_cp <= 0) return 1;
    if (sigma_cp <= 0.25 * fcd) return 1 + sigma_cp / fcd;
    if (sigma_cp <= 0.5 * fcd) return 1.25;
    return std::max(0.0, 2.5 * (1 - sigma_cp / fcd));
}

double balanced_cot_theta(double bw, double alpha_c, double fcd, const Stirrups& stirrups, double fyd) {
    // 0,9 d Asw/s fyd ctgθ = 0,9 d bw αc ν fcd ctgθ / (1 + ctg²θ)
    const double squared = bw * alpha_c * nu * fcd * stirrups.spacing / (stirrups.asw * fyd) - 1;
    const double cot = squared > 0 ? std::sqrt(squared) : cot_theta_min;
    return std::clamp(cot, cot_theta_min, cot_theta_max);
}

NtcShear ntc_shear(const ShearSection& s, const NtcStrengths& m, double NEd, double VEd,
                   const std::optional<Stirrups>& stirrups, std::optional<double> cot_theta) {
    NtcShear r;
    r.ved = VEd;
    r.k = std::min(1 + std::sqrt(200 / s.d), 2.0);
    r.rho1 = std::min(s.asl / (s.bw * s.d), 0.02);
    r.sigma_cp = std::min(NEd / s.ac, 0.2 * m.fcd);
    const double v_min = 0.035 * std::pow(r.k, 1.5) * std::sqrt(m.fck);
    const double v_c = 0.18 * r.k * std::cbrt(100 * r.rho1 * m.fck) / gamma_c;
    r.vrd_c = std::max(0.0, std::max(v_c, v_min) + 0.15 * r.sigma_cp) * s.bw * s.d;
    r.vrd = r.vrd_c;
    if (!stirrups) return r;

    r.with_stirrups = true;
    r.alpha_c = alpha_c(NEd / s.ac, m.fcd);
    r.cot_theta = cot_theta ? *cot_theta : balanced_cot_theta(s.bw, r.alpha_c, m.fcd, *stirrups, m.fyd);
    const double z = 0.9 * s.d, cot = r.cot_theta;
    r.vrsd = z * stirrups->asw / stirrups->spacing * m.fyd * cot;
    r.vrcd = z * s.bw * r.alpha_c * nu * m.fcd * cot / (1 + cot * cot);
    r.vrd = std::min(r.vrsd, r.vrcd);
    return r;
}

}  // namespace norvexa::capacity
