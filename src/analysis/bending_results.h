#pragma once

#include "analysis/analysis_input.h"
#include "analysis/analysis_results.h"
#include "analysis/neutral_axis.h"

namespace norvexa {

// The bending result at the trial the search accepted: the neutral axis as lx shows it,
// the effective depth, x/d and the failure side, the strains, the stresses (0 for every
// layer of zero area) and Msd. The input is in mm and mm².
BendingResult bending_at_axis(const AnalysisInput& in, const SearchOutcome& found, const Trial& accepted);

// Shows the bending result: strains, stresses, x/d, failure side, effective depth, the
// layer depths as typed, Msd and the verdict. Needs out.bending.
void show_bending_results(const AnalysisInput& in, AnalysisResults& out);

}  // namespace norvexa
