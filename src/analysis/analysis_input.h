#pragma once

#include <array>
#include <optional>
#include <string>

namespace norvexa {

// The values one analysis run works on, refilled from the input form at every run.
// Sizes are read in cm and cm²; the neutral-axis search converts them in place to mm
// and mm², and they stay converted after the run.
struct AnalysisInput {
    float fcd = 0;             // fcd* of the concrete, N/mm²
    float fsd = 0;             // fyd of the steel, N/mm²
    float epsyd = 0;           // yield strain, plain number
    float modelasticoacc = 0;  // Es, N/mm²
    float bestxsud = 0;        // x/d at which steel and concrete fail together
    std::array<float, 4> a{};  // a1..a4: layer areas
    std::array<float, 4> D{};  // D1, D2, D3, d4: layer depths from the top edge
    std::array<std::optional<double>, 4> depths;  // the same depths as typed, cm; empty when not typed
    float b = 0, h = 0;        // flange (or whole section) width and height
    float b2 = 0, h2 = 0;      // web width and height; 0 for a rectangle
    double msd = 0;            // design moment, kNm
    bool shear = false;        // shear switch on: the shear is verified
    double vsd = 0;            // design shear, kN; read with the shear switch on
    // Concrete values and the stirrup area only the shear reads; empty when the text is
    // not a number, which stops the shear when it needs the value.
    std::optional<float> fck, fcd_struts, taurd;  // fck, fcd and τrd of the concrete, N/mm²
    std::optional<double> ast;                    // stirrup area, cm² per metre
    std::string numerobraccia, diametrostaffe, passostaffe;  // stirrups as typed: arms, mm, cm
    std::string NOMECLS, NOMEACC;
};

}  // namespace norvexa
