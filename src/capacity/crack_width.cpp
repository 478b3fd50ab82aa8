#include "capacity/crack_width.h"

#include <algorithm>
#include <cmath>

#include "capacity/detailing.h"

namespace norvexa::capacity {

double mean_elastic_modulus(double fck) { return 22000 * std::pow((fck + 8) / 10, 0.3); }

double strain_difference(double sigma_s, double rho_eff, const CrackMaterials& m) {
    const double alpha_e = m.Es / mean_elastic_modulus(m.fck);
    const double strain = (sigma_s - m.kt * fctm(m.fck) / rho_eff * (1 + alpha_e * rho_eff)) / m.Es;
    return std::max(strain, 0.6 * sigma_s / m.Es);
}

double close_crack_spacing(const CrackBars& bars, double rho_eff, double k2) {
    return 3.4 * bars.cover + 0.8 * k2 * 0.425 * bars.diameter / rho_eff;
}

CrackWidth crack_width(const Section& section, const ServiceStress& stress, const CrackBars& bars,
                       const CrackMaterials& materials) {
    // Depths from the compressed (or least stretched) edge.
    const double h = section.height();
    const auto depth = [&](double from_top) { return stress.top_compressed ? from_top : h - from_top; };
    const std::size_t most = most_stretched_layer(section, stress);
    const double d = depth(section.layers[most].depth);
    const double sigma_s = -stress.sigma_s[most];
    const double x = stress.state == ServiceStress::State::stretched ? 0 : stress.x;

    CrackWidth w;
    w.hc_ef = std::min({2.5 * (h - d), (h - x) / 3, h / 2});
    // The stretched steel within the effective area around the most stretched layer.
    double area = 0;
    for (std::size_t i = 0; i < section.layers.size(); ++i)
        if (stress.sigma_s[i] < 0 && depth(section.layers[i].depth) >= h - w.hc_ef) area += section.layers[i].area;
    const Band& edge = stress.top_compressed ? section.bands.back() : section.bands.front();
    w.rho_eff = area / (edge.width * w.hc_ef);
    // k2 from the tensile strains of the two edges: 0,5 while a neutral axis crosses the
    // section, up to 1 under an even tension, the stresses of the steel being linear.
    w.k2 = 0.5;
    if (x == 0) {
        const auto other = std::max_element(stress.sigma_s.begin(), stress.sigma_s.end()) - stress.sigma_s.begin();
        const double d_other = depth(section.layers[static_cast<std::size_t>(other)].depth);
        const double slope = d == d_other ? 0 : (sigma_s + stress.sigma_s[static_cast<std::size_t>(other)]) / (d - d_other);
        const double far = sigma_s + slope * (h - d), near = sigma_s - slope * d;  // tension positive
        w.k2 = (far + std::max(near, 0.0)) / (2 * far);
    }
    w.wide_spacing = bars.spacing > 5 * (bars.cover + bars.diameter / 2);
    w.sr_max = w.wide_spacing ? 1.3 * (h - x) : close_crack_spacing(bars, w.rho_eff, w.k2);
    w.strain = strain_difference(sigma_s, w.rho_eff, materials);
    w.wk = w.sr_max * w.strain;
    return w;
}

}  // namespace norvexa::capacity
