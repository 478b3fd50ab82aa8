#include "common/arithmetic_fault.h"

#include <cmath>

namespace norvexa {

double divide(double dividend, double divisor) {
    if (divisor == 0) throw ArithmeticFault("division by zero");
    return finite(dividend / divisor);
}

double square_root(double value) {
    if (value < 0) throw ArithmeticFault("square root of a negative number");
    return std::sqrt(value);
}

float single(double value) {
    const auto narrowed = static_cast<float>(value);
    if (!std::isfinite(narrowed)) throw ArithmeticFault("value beyond single range");
    return narrowed;
}

double finite(double value) {
    if (!std::isfinite(value)) throw ArithmeticFault("value beyond double range");
    return value;
}

short whole16(double value) {
    const double rounded = std::nearbyint(finite(value));
    if (rounded < -32768 || rounded > 32767) throw ArithmeticFault("overflow");
    return static_cast<short>(rounded);
}

}  // namespace norvexa
