#pragma once

#include <string>

#include "analysis/field_source.h"

namespace norvexa {

// Field texts read as numbers by the analysis; a text that is not a number throws
// ArithmeticFault, as a failed conversion ends the run.
float single_of(const std::string& text);
double double_of(const std::string& text);
// Empty text reads 0.
double double_or_zero(const std::string& text);

}  // namespace norvexa
