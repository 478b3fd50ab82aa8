#pragma once

#include "analysis/analysis_input.h"
#include "analysis/analysis_results.h"

namespace norvexa {

// Fills and judges the bending results: strains, stresses, x/d, failure side, the
// layer depths as typed, Msd and the verdict. Sets the stress of every layer of zero
// area to 0.
void show_bending_results(const AnalysisInput& in, AnalysisResults& out);

}  // namespace norvexa
