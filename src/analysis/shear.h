#pragma once

#include "analysis/analysis_input.h"
#include "analysis/analysis_results.h"
#include "analysis/field_source.h"

namespace norvexa {

// Shear verification with vertical stirrups (Vrd1, Vrd2, Vwd, Vrd3, largest spacing),
// written into the shear labels; does nothing while the shear switch is off. Reads
// the concrete, the stirrups and Vsd from the form; the input is in mm and mm².
// Throws ArithmeticFault on a text that is not a number or an arithmetic fault.
void verify_shear(const FieldSource& form, const AnalysisInput& in, AnalysisResults& out);

}  // namespace norvexa
