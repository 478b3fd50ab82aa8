#pragma once

#include "analysis/analysis_input.h"
#include "analysis/analysis_results.h"

namespace norvexa {

// Shear verification with vertical stirrups (Vrd1, Vrd2, Vwd, Vrd3, largest spacing)
// into out.shear and the shear labels, each caption shown as its value is found; with
// the shear switch off it empties out.shear and leaves the labels. Needs out.bending;
// the input is in mm and mm². Throws ArithmeticFault on a value the shear needs that is
// not a number and on an arithmetic fault, with the captions found so far shown.
void verify_shear(const AnalysisInput& in, AnalysisResults& out);

}  // namespace norvexa
