#pragma once

#include "analysis/analysis_input.h"
#include "analysis/neutral_axis.h"

namespace norvexa {

struct Moment {
    float sigmac = 0;  // top-fibre stress, N/mm²
    double mrd = 0;    // resisting moment, kNm
};

// Resisting moment about the neutral axis at depth x (the accepted trial + 0.5 mm),
// with the strains and stresses of the accepted trial and 1 mm concrete strips.
Moment resisting_moment(const AnalysisInput& in, const Trial& accepted, float x);

}  // namespace norvexa
