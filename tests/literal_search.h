#pragma once

#include "analysis/neutral_axis.h"

namespace norvexa {

// The neutral-axis search exactly as the procedure is written: whole sweeps repeated
// with a growing tolerance while no depth is accepted, every trial computed again on
// every pass. The reference for find_neutral_axis in the tests and the benchmark.
SearchOutcome literal_search(const AnalysisInput& in, double strip, float tolerance);

}  // namespace norvexa
