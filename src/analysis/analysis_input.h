#pragma once

#include <array>
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
    float b = 0, h = 0;        // flange (or whole section) width and height
    float b2 = 0, h2 = 0;      // web width and height; 0 for a rectangle
    std::string numerobraccia, diametrostaffe, passostaffe;
    std::string NOMECLS, NOMEACC;
};

}  // namespace norvexa
