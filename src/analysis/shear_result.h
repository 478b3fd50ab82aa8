#pragma once

namespace norvexa {

// The shear verification with vertical stirrups of one run; forces in N, lengths in mm.
struct ShearResult {
    float k = 0;          // size factor, at least 1
    float bw = 0;         // web width
    float rho = 0;        // ratio of the bars below the neutral axis
    double vrd1 = 0;      // resistance without shear reinforcement
    double vsd = 0;       // design shear
    float nu = 0;         // strength factor of the concrete struts
    double vrd2 = 0;      // resistance of the concrete struts
    double smax = 0;      // largest stirrup spacing
    double spacing = 0;   // stirrup spacing; 0 when not given
    double vwd = 0;       // the stirrups' share
    double vrd3 = 0;      // Vrd1 + Vwd
    double ratio = 0;     // stirrup ratio: bar area per metre over web width and spacing in cm

    bool minimum_suffices() const { return vrd1 > vsd; }
    bool struts_hold() const { return vrd2 > vsd; }
    bool spacing_holds() const { return spacing <= smax; }
    bool holds() const { return vrd3 >= vsd; }  // Vrd3 >= Vsd
};

}  // namespace norvexa
