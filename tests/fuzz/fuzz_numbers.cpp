// The number readers: the input is one text read as a locale number (double and float),
// a leading number and a file number; whatever they return is rounded and written back
// as text, which must read again as about the same number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "common/arithmetic_fault.h"
#include "common/numbers.h"
#include "fuzz_support.h"

namespace {

using norvexa::fuzz::expect;

// The largest number of decimals the program rounds to, and one more.
constexpr int most_decimals = 6;

// A finite number is rounded and written without a fault, and its text reads back within
// the digits written; a non-finite one is refused with ArithmeticFault.
template <typename Number>
void write_back(Number value, double relative_error) {
    if (!std::isfinite(value)) {
        bool refused = false;
        try {
            norvexa::to_text(value);
        } catch (const norvexa::ArithmeticFault&) {
            refused = true;
        }
        expect(refused, "a non-finite number written as text");
        return;
    }
    const std::string text = norvexa::to_text(value);
    for (int decimals = 0; decimals <= most_decimals; ++decimals) {
        const double rounded = norvexa::round_to(value, decimals);
        expect(std::isfinite(rounded), "a finite number rounded to a non-finite one");
        expect(std::fabs(rounded - value) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(value) * 1e-15,
               "rounded further than half a unit");
        norvexa::rounded_text(value, decimals);
    }
    // The text of the largest doubles may round up beyond the range.
    if (std::fabs(static_cast<double>(value)) > std::numeric_limits<double>::max() * 0.999) return;
    const auto again = norvexa::locale_double(text);
    expect(again.has_value(), "a number's text does not read back");
    expect(std::fabs(*again - value) <= std::fabs(static_cast<double>(value)) * relative_error, "a number's text reads back different");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace norvexa;
    const std::string_view text = fuzz::bytes_of(data, size);
    if (const auto value = locale_double(text)) {
        expect(std::isfinite(*value), "a locale number read as non-finite");
        write_back(*value, 1e-14);
    }
    if (const auto value = locale_single(text)) {
        expect(std::isfinite(*value), "a locale single read as non-finite");
        write_back(*value, 1e-6);
    }
    write_back(leading_number(text), 1e-14);
    if (const auto value = read_file_number(text)) {
        expect(read_file_number(file_number(*value)) == *value, "a file number does not read back");
        write_back(static_cast<double>(*value), 1e-14);
    }
    return 0;
}
