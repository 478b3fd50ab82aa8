#pragma once

#include "analysis/analysis_input.h"
#include "analysis/analysis_results.h"

namespace norvexa {

// Shear verification with vertical stirrups (Vrd1, Vrd2, Vwd, Vrd3, largest spacing),
// written into the shear labels; does nothing while the shear switch is off. The input
// is in mm and mm². Throws ArithmeticFault on a value the shear needs that is not a
// number and on an arithmetic fault.
void verify_shear(const AnalysisInput& in, AnalysisResults& out);

}  // namespace norvexa
