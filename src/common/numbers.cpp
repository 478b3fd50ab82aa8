#include "common/numbers.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/arithmetic_fault.h"

namespace norvexa {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

// Rewrites a locale number as a C-locale one ("1.234,5e2" -> "1234.5e2"), or "" when
// the text is not a number.
std::string normalised_locale_number(std::string_view text) {
    text = trim_blanks(text);
    std::string out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
    bool digits = false;
    for (; i < text.size() && (is_digit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.') continue;
        out += text[i];
        digits = true;
    }
    if (i < text.size() && text[i] == ',') {
        out += '.';
        for (++i; i < text.size() && is_digit(text[i]); ++i) {
            out += text[i];
            digits = true;
        }
    }
    if (!digits) return {};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
        bool exponent_digits = false;
        for (; i < text.size() && is_digit(text[i]); ++i) {
            out += text[i];
            exponent_digits = true;
        }
        if (!exponent_digits) return {};
    }
    return i == text.size() ? out : std::string{};
}

// "%.*g" output made into the program's form: decimal comma, "E+20" exponents.
std::string locale_form(const char* printed) {
    std::string out;
    for (const char* p = printed; *p; ++p) {
        if (*p == '.') out += ',';
        else if (*p == 'e') out += 'E';
        else out += *p;
    }
    if (out == "-0") out = "0";
    return out;
}

std::string significant(double value, int digits) {
    if (!std::isfinite(value)) throw ArithmeticFault("value not finite");
    if (value == 0) return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    return locale_form(buffer);
}

// Reads a locale number with the C reader of the wanted type; a value beyond its range fails.
template <typename Number>
std::optional<Number> read_locale(std::string_view text, Number (*reader)(const char*, char**)) {
    const std::string normal = normalised_locale_number(text);
    if (normal.empty()) return std::nullopt;
    errno = 0;
    const Number value = reader(normal.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> locale_double(std::string_view text) { return read_locale(text, std::strtod); }
std::optional<float> locale_single(std::string_view text) { return read_locale(text, std::strtof); }

std::optional<double> action_number(std::string_view text) {
    if (text.find(',') != std::string_view::npos) return locale_double(text);
    std::string decimal_comma(text);
    std::replace(decimal_comma.begin(), decimal_comma.end(), '.', ',');
    return locale_double(decimal_comma);
}

double leading_number(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && is_blank(text[i])) ++i;
    std::string out;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
    bool digits = false;
    for (; i < text.size() && is_digit(text[i]); ++i, digits = true) out += text[i];
    if (i < text.size() && text[i] == '.') {
        out += text[i++];
        for (; i < text.size() && is_digit(text[i]); ++i, digits = true) out += text[i];
    }
    if (!digits) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        bool exponent_digits = false;
        for (; j < text.size() && is_digit(text[j]); ++j, exponent_digits = true) exponent += text[j];
        if (exponent_digits) out += exponent;
    }
    return std::strtod(out.c_str(), nullptr);
}

std::string to_text(float value) { return significant(value, FLT_DIG + 1); }
std::string to_text(double value) { return significant(value, DBL_DIG); }
std::string to_text(int value) { return std::to_string(value); }

double round_to(double value, int decimals) {
    if (!std::isfinite(value)) throw ArithmeticFault("value not finite");
    // A double times 5^4 fits the 64-bit mantissa of long double, so the scaled value
    // is exact and nearbyint rounds halves to even on the true binary value.
    static_assert(LDBL_MANT_DIG >= 64);
    static constexpr long double powers[] = {1.0L, 10.0L, 100.0L, 1000.0L, 10000.0L};
    if (decimals >= 0 && decimals <= 4 && std::fabs(value) < 0x1p36) {
        // Adding and taking away 2^63 leaves the whole number nearest to the scaled value,
        // halves to even, as the default rounding does: the same as nearbyint, faster.
        constexpr long double whole = 0x1p63L;
        const long double scaled = static_cast<long double>(value) * powers[decimals];
        const long double rounded = scaled >= 0 ? (scaled + whole) - whole : (scaled - whole) + whole;
        return static_cast<double>(rounded) / static_cast<double>(powers[decimals]);
    }
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return std::strtod(buffer, nullptr);
}

std::string rounded_text(double value, int decimals) { return to_text(round_to(value, decimals)); }

std::string file_number(long long value) {
    return (value < 0 ? "-" : " ") + std::to_string(value < 0 ? -value : value) + " ";
}

std::optional<long long> read_file_number(std::string_view line) {
    line = trim_blanks(line);
    if (line.empty()) return std::nullopt;
    std::size_t i = 0;
    const bool negative = line[0] == '-';
    if (line[0] == '-' || line[0] == '+') ++i;
    if (i == line.size()) return std::nullopt;
    long long value = 0;
    for (; i < line.size(); ++i) {
        if (!is_digit(line[i]) || value > (LLONG_MAX - 9) / 10) return std::nullopt;
        value = value * 10 + (line[i] - '0');
    }
    return negative ? -value : value;
}

}  // namespace norvexa
