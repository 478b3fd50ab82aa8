#pragma once

#include "analysis/analysis_input.h"
#include "analysis/analysis_results.h"
#include "analysis/field_source.h"

namespace norvexa {

// Fills and judges the bending results: strains, stresses, x/d, failure side, depths,
// Msd and the verdict. Sets the stress of every layer of zero area to 0. Throws
// ArithmeticFault when a depth or the design moment is not a number.
void show_bending_results(const FieldSource& form, const AnalysisInput& in, AnalysisResults& out);

}  // namespace norvexa
