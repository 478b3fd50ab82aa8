#pragma once

#include <cstdint>

namespace norvexa {

// The tolerance T of the neutral-axis search: starts at 0 and grows by the step on
// every trial, in single precision, so that it stops growing once T + step rounds to T.
class Tolerance {
  public:
    // Throws ArithmeticFault when the step is not positive.
    explicit Tolerance(float step);

    // T := T + step. Throws ArithmeticFault when that no longer changes T.
    void grow();
    // Grows T for as long as the grown value stays within the bound (where no sum of
    // at least that magnitude can be accepted) and returns how many times it grew:
    // the same T as that many grow() calls, in a few steps per binade.
    std::uint64_t grow_while_at_most(double bound);

    bool accepts(double rounded_sum) const { return -value_ < rounded_sum && rounded_sum < value_; }
    float value() const { return value_; }

  private:
    float step_;
    float value_ = 0;
};

}  // namespace norvexa
