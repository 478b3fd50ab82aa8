#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace norvexa {

// Locale number: decimal comma; the point is the grouping sign and is skipped
// ("12.5" reads 125); optional sign and exponent; blanks around are allowed.
// Empty or any other text gives nullopt, as does a value beyond the type's range.
std::optional<double> locale_double(std::string_view text);
std::optional<float> locale_single(std::string_view text);
// A design action's number, read as the input form's action fields read a text when it
// is left: with a comma, a locale number ("1.250,5"); without, the point is the decimal
// sign ("12.5" is 12,5), so that a text from a point-decimal spreadsheet keeps its value.
// Any other text gives nullopt.
std::optional<double> action_number(std::string_view text);

// Leading number: a point-decimal number read from the start of the text, stopping at
// the first character that cannot continue it (a comma included); 0 when there is none.
double leading_number(std::string_view text);

// Number to text: decimal comma, no grouping, no trailing zeros, 7 significant digits
// for a float and 15 for a double. Throws ArithmeticFault for an infinite or NaN value.
std::string to_text(float value);
std::string to_text(double value);
std::string to_text(int value);

// Rounds to the given number of decimals, halves to even on the exact binary value.
double round_to(double value, int decimals);
// round_to, then to_text of the rounded double.
std::string rounded_text(double value, int decimals);

// The number as written on a line of a settings or project file: " 1 ", "-1 ".
std::string file_number(long long value);
// Reads such a line, ignoring the blanks around the number.
std::optional<long long> read_file_number(std::string_view line);

}  // namespace norvexa
