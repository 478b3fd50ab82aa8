#include "common/json.h"

#include <limits>

#include <gtest/gtest.h>

namespace norvexa {
namespace {

TEST(Json, StringsStayValidJsonWhateverTheBytes) {
    const struct {
        std::string text, literal;
    } cases[] = {
        {"Ø 16 \"a\\b\"\n", "\"Ø 16 \\\"a\\\\b\\\"\\n\""},
        {"\x01", "\"\\u0001\""},
        {"a\xFF" "b", "\"a\uFFFDb\""},         // a byte that starts no sequence
        {"\xC3", "\"\uFFFD\""},                // a sequence cut short
        {"\xE2\x82\xAC", "\"€\""},
        {"\xC0\xAF", "\"\uFFFD\uFFFD\""},      // an overlong '/'
        {"\xED\xA0\x80", "\"\uFFFD\uFFFD\uFFFD\""},  // a surrogate
    };
    for (const auto& c : cases) EXPECT_EQ(json_string(c.text), c.literal) << c.text;
}

TEST(Json, DoublesAreShortestAndNonFiniteOnesNull) {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        const char* literal;
    } cases[] = {
        {146.1, "146.1"}, {-0.25, "-0.25"}, {250, "250"}, {1e-7, "1e-07"}, {0.1 + 0.2, "0.30000000000000004"},
        {infinity, "null"}, {-infinity, "null"}, {std::numeric_limits<double>::quiet_NaN(), "null"},
    };
    for (const auto& c : cases) EXPECT_EQ(json_number(c.value), c.literal) << c.value;
}

}  // namespace
}  // namespace norvexa
