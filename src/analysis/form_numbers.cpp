#include "analysis/form_numbers.h"

#include "common/arithmetic_fault.h"
#include "common/numbers.h"

namespace norvexa {

float single_of(const std::string& text) {
    const auto value = locale_single(text);
    if (!value) throw ArithmeticFault("not a number: " + text);
    return *value;
}

double double_of(const std::string& text) {
    const auto value = locale_double(text);
    if (!value) throw ArithmeticFault("not a number: " + text);
    return *value;
}

double double_or_zero(const std::string& text) { return text.empty() ? 0 : double_of(text); }

}  // namespace norvexa
