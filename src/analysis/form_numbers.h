#pragma once

#include <optional>
#include <string>

#include "common/arithmetic_fault.h"

namespace norvexa {

// Field texts read as numbers by the analysis; a text that is not a number throws
// ArithmeticFault, as a failed conversion ends the run.
float single_of(const std::string& text);
double double_of(const std::string& text);
// Empty text reads 0.
double double_or_zero(const std::string& text);

// A value read ahead of its use, empty when its text was not a number: throws
// ArithmeticFault then, where the value is needed.
template <typename Number>
Number required(const std::optional<Number>& value) {
    if (!value) throw ArithmeticFault("not a number");
    return *value;
}

}  // namespace norvexa
