#pragma once

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "analysis/bending_result.h"
#include "analysis/shear_result.h"
#include "common/control.h"

namespace norvexa {

// Shown with results computed from inputs the form no longer holds.
inline constexpr const char* outdated_results_notice = "Risultati non aggiornati: premere Calcola (F9)";

// What a run leaves behind: the typed results and the result labels' captions made
// from them. A run that stops keeps what it reached; the captions it did not reach keep
// their text.
struct AnalysisResults {
    // From the neutral-axis search on; emptied when a run starts its search.
    std::optional<BendingResult> bending;
    // Set by a run that verifies shear, emptied by one with the shear switch off.
    std::optional<ShearResult> shear;

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
};

}  // namespace norvexa
