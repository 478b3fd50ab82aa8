#pragma once

#include "capacity/capacity.h"
#include "capacity/service_stress.h"

namespace norvexa::capacity {

// The bars of the most stretched layer as the crack width sees them, mm.
struct CrackBars {
    double diameter;  // the largest bar of the layer
    double cover;     // clear cover to the stretched edge
    double spacing;   // between bar axes; 0 for a single bar
};

struct CrackMaterials {
    double fck, Es, kt;  // N/mm²; kt 0,4 for long-term loads, 0,6 for short-term ones
};

double mean_elastic_modulus(double fck);  // Ecm = 22 000 · ((fck + 8) / 10)^0,3, N/mm²

// εsm − εcm = [σs − kt · fctm / ρeff · (1 + αe · ρeff)] / Es, not less than 0,6 · σs / Es,
// σs in N/mm² with tension positive.
double strain_difference(double sigma_s, double rho_eff, const CrackMaterials& materials);
// sr,max = 3,4 · c + 0,8 · k2 · 0,425 · φ / ρeff.
double close_crack_spacing(const CrackBars& bars, double rho_eff, double k2);

// The crack width of the most stretched layer of a cracked (or stretched) section.
struct CrackWidth {
    double hc_ef = 0, rho_eff = 0, k2 = 0;
    double sr_max = 0;      // mm
    double strain = 0;      // εsm − εcm
    double wk = 0;          // mm
    bool wide_spacing = false;  // bars farther apart than 5 · (c + φ/2): sr,max = 1,3 · (h − x)
};
CrackWidth crack_width(const Section& section, const ServiceStress& stress, const CrackBars& bars,
                       const CrackMaterials& materials);

}  // namespace norvexa::capacity
