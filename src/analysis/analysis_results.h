#pragma once

#include <array>
#include <utility>
#include <vector>

#include "common/control.h"

namespace norvexa {

// What a run leaves behind: the search's variables and the result labels' captions.
struct AnalysisResults {
    float x = 0;        // depth at which the moment was evaluated, mm
    float xsud = 0;     // x/d of the accepted trial
    float dm = 0;       // effective depth, mm
    float epsclsz = 0;  // top-fibre strain, per mille
    std::array<float, 4> eps{};    // layer strains, plain numbers
    std::array<float, 4> sigma{};  // layer stresses, N/mm²
    float sigmac = 0;   // top-fibre stress, N/mm²

    // Bending.
    Control lx, lm, Label26, Label32, Label30;
    Control Label48, Label49, Label50, Label51;  // layer strains, per mille
    Control Label52, Label53, Label54, Label55;  // layer stresses
    Control lepscls, lsigmac;
    Control Label16, Label20, Label24, Label61;  // layer depths
    Control lmsd, Label29, vf;
    // Shear.
    Control lk, lbweb, lrol, lvrd1, Label73, lnu, lvrd2, Label76, lsmax, Label91;
    Control lvwd, lvrd3, lvsd, rlvsd, lvtaglio, Label81;

    std::array<Control*, 4> strain_labels() { return {&Label48, &Label49, &Label50, &Label51}; }
    std::array<Control*, 4> stress_labels() { return {&Label52, &Label53, &Label54, &Label55}; }
    std::array<Control*, 4> depth_labels() { return {&Label16, &Label20, &Label24, &Label61}; }

    // Every result label by its control name, in display order.
    std::vector<std::pair<const char*, const Control*>> labels() const;
    // Whether a verdict shown in red fails: bending, the struts, the stirrup spacing or shear.
    bool shows_a_failure() const;
};

}  // namespace norvexa
