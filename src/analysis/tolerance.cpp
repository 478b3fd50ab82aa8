#include "analysis/tolerance.h"

#include <cmath>

#include "common/arithmetic_fault.h"

namespace norvexa {

Tolerance::Tolerance(float step) : step_(step) {
    if (!(step > 0) || !std::isfinite(step)) throw ArithmeticFault("tolerance step");
}

void Tolerance::grow() {
    const float next = value_ + step_;
    if (next == value_) throw ArithmeticFault("tolerance no longer grows");
    if (!std::isfinite(next)) throw ArithmeticFault("value beyond single range");
    value_ = next;
}

std::uint64_t Tolerance::grow_while_at_most(double bound) {
    std::uint64_t grown = 0;
    while (static_cast<double>(value_ + step_) <= bound) {
        // Within one binade of spacing u, T + step rounds to T + r for one fixed r; only
        // a step half-way between two multiples of u can make the first r differ, so two
        // equal increments in a row fix r for the rest of the binade.
        if (value_ != 0) {
            int exponent = 0;
            std::frexp(value_, &exponent);
            const double top = std::ldexp(1.0, exponent);
            const double spacing = std::ldexp(1.0, exponent - 24);
            const float once = value_ + step_;
            const double increment = static_cast<double>(once) - value_;
            const double again = static_cast<double>(once + step_) - once;
            const double limit = std::fmin(bound, top - step_ - spacing);
            // At most 2^23: the distance to the binade's top over at least one spacing.
            const double jumps = increment > 0 ? std::floor((limit - value_) / increment) : 0;
            if (increment == again && jumps >= 1) {
                value_ = static_cast<float>(value_ + jumps * increment);
                grown += static_cast<std::uint64_t>(jumps);
                continue;
            }
        }
        grow();
        ++grown;
    }
    return grown;
}

}  // namespace norvexa
