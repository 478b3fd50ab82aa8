#pragma once

#include <vector>

#include "analysis/analysis_results.h"
#include "analysis/field_map.h"
#include "analysis/neutral_axis.h"
#include "common/prompter.h"

namespace norvexa {

// The neutral-axis search exactly as the procedure is written: whole sweeps repeated
// with a growing tolerance while no depth is accepted, every trial computed again on
// every pass. The reference for find_neutral_axis in the tests and the benchmark.
SearchOutcome literal_search(const AnalysisInput& in, double strip, float tolerance);

struct Analysed {
    AnalysisResults results;
    std::vector<Message> messages;
};

// One analysis run of the form with the given search.
Analysed analyse(FieldMap form, NeutralAxisSearch search);

}  // namespace norvexa
