#pragma once

#include <stdexcept>
#include <string>

namespace norvexa {

// The one exception for arithmetic and run-time faults (division by zero, square root
// of a negative number, a value beyond single or 16-bit range, a text that is not a
// number where one is required). A run's failure handler turns it into its message.
class ArithmeticFault : public std::runtime_error {
  public:
    explicit ArithmeticFault(const std::string& what) : std::runtime_error(what) {}
};

// Checked operations: each throws ArithmeticFault where the arithmetic must fail.
double divide(double dividend, double divisor);
double square_root(double value);
float single(double value);        // beyond single range, infinite or not a number
double finite(double value);       // infinite or not a number
short whole16(double value);       // halves to even; outside -32768..32767

}  // namespace norvexa
