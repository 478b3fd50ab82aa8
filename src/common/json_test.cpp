#include "common/json.h"

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

}  // namespace
}  // namespace norvexa
