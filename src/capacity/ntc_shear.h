#pragma once

#include <optional>

namespace norvexa::capacity {

// What the shear of a combination sees of the section at its ultimate plane; mm, mm².
struct ShearSection {
    double bw;   // web width
    double d;    // depth of the most stretched layer from the compressed edge
    double asl;  // the stretched layers
    double ac;   // gross concrete
};

// Vertical stirrups: the area of one set (every arm) and their spacing, mm² and mm.
struct Stirrups {
    double asw, spacing;
};

// The shear of one combination under the NTC 2018; forces in N, stresses in N/mm².
struct NtcShear {
    double k = 0, rho1 = 0, sigma_cp = 0;  // ρ1 capped at 0,02, σcp at 0,2 · fcd
    double vrd_c = 0;                      // without shear reinforcement
    bool with_stirrups = false;
    double alpha_c = 1, cot_theta = 0;     // with stirrups
    double vrsd = 0, vrcd = 0;             // stirrups and concrete struts
    double vrd = 0;                        // min(VRsd, VRcd), or VRd,c without stirrups
    double ved = 0;

    bool minimum_suffices() const { return ved <= vrd_c; }
    // VEd ≤ VRd; with stirrups VEd ≤ VRd,c holds too, the stirrups then being the minimum.
    bool verified() const { return ved <= vrd || (with_stirrups && minimum_suffices()); }
};

struct NtcStrengths {
    double fck, fcd, fyd;  // fcd = 0,85 · fck / 1,5 and fyd = fyk / 1,15, as in bending
};

inline constexpr double cot_theta_min = 1, cot_theta_max = 2.5;
// Whether a value read for ctgθ is a number within [1; 2,5].
inline bool allowed_cot_theta(std::optional<double> cot) {
    return cot && *cot >= cot_theta_min && *cot <= cot_theta_max;
}

double alpha_c(double sigma_cp, double fcd);
// The inclination at which stirrups and struts resist alike, held within [1; 2,5].
double balanced_cot_theta(double bw, double alpha_c, double fcd, const Stirrups& stirrups, double fyd);

// NEd compression positive; cot_theta none chooses the balanced inclination.
NtcShear ntc_shear(const ShearSection& section, const NtcStrengths& strengths, double NEd, double VEd,
                   const std::optional<Stirrups>& stirrups, std::optional<double> cot_theta);

}  // namespace norvexa::capacity
