#include "common/line_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "scratch_folder.h"

namespace norvexa {
namespace {

TEST(Windows1252, ConvertsBothWays) {
    struct Case { const char* utf8; const char* bytes; } cases[] = {
        {"Ø 16", "\xD8 16"}, {"90°", "90\xB0"}, {"é", "\xE9"},    {"€", "\x80"},
        {"‰", "\x89"},       {"ÿ", "\xFF"},     {"Ÿ", "\x9F"},    {"\u00A0", "\xA0"},
        {"\u0081", "\x81"},  {"\u009D", "\x9D"}, {"plain", "plain"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(to_windows1252(c.utf8), c.bytes) << c.utf8;
        EXPECT_EQ(from_windows1252(c.bytes), c.utf8) << c.utf8;
    }
}

TEST(Windows1252, WritesQuestionMarksForWhatItCannotHold) {
    struct Case { const char* utf8; const char* bytes; } cases[] = {
        {"Ω", "?"},                  // no Windows-1252 byte
        {"\u0080", "?"},             // its byte holds the euro sign
        {"a😀b", "a?b"},             // four-byte sequence
        {"\xC3", "?"},               // cut short
        {"\xE2\x82z", "??z"},        // cut short before another character
        {"\xC0\xAF", "??"},          // overlong '/'
        {"\xED\xA0\x80", "???"},     // surrogate
        {"\xF4\x90\x80\x80", "????"}, // beyond U+10FFFF
        {"\x80x\xFF", "?x?"},        // stray bytes
    };
    for (const auto& c : cases) EXPECT_EQ(to_windows1252(c.utf8), c.bytes) << c.bytes;
}

TEST(Windows1252, FindsTheFirstCharacterItCannotHold) {
    const struct {
        const char* text;
        std::optional<char32_t> unstorable;
        const char* quoted;
    } cases[] = {
        {"Trave 30x50 àèé €", std::nullopt, ""},
        {"Trave Ω漢", U'Ω', "«Ω» (U+03A9)"},
        {"B450C γs", U'γ', "«γ» (U+03B3)"},
        {"a\xff b", U'\uFFFD', "«\uFFFD» (U+FFFD)"},
        {"x 😀", U'\U0001F600', "«😀» (U+1F600)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(first_unstorable(c.text), c.unstorable) << c.text;
        if (c.unstorable) {
            EXPECT_EQ(quoted_character(*c.unstorable), c.quoted) << c.text;
        }
    }
}

TEST(LineFile, SplitsOnCrLfAndLoneLf) {
    const ScratchFolder folder;
    const auto path = folder.path() / "lines";
    struct Case { const char* bytes; std::vector<std::string> lines; } cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\rb\r\n", {"a\rb"}},
        {"\xD8 12\r\n", {"Ø 12"}},
    };
    for (const auto& c : cases) {
        put_bytes(path, c.bytes);
        EXPECT_EQ(read_lines(path), c.lines) << '"' << c.bytes << '"';
    }
}

TEST(LineFile, ReadFailsWhenNothingCanBeRead) {
    const ScratchFolder folder;
    EXPECT_FALSE(read_lines(folder.path() / "missing").has_value());
    EXPECT_FALSE(read_lines(folder.path()).has_value());
    // A FIFO without a writer would block a plain read for ever.
    const auto fifo = folder.path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(read_lines(fifo).has_value());
}

TEST(LineFile, WritesCrLfAfterEveryLineInWindows1252) {
    const ScratchFolder folder;
    const auto path = folder.path() / "out.txt";
    const std::vector<std::string> lines = {"Ø 16", "90°", "", "é €", "Ω"};
    ASSERT_TRUE(write_lines(path, lines));
    EXPECT_EQ(file_bytes(path), "\xD8 16\r\n90\xB0\r\n\r\n\xE9 \x80\r\n?\r\n");
    EXPECT_EQ(read_lines(path), (std::vector<std::string>{"Ø 16", "90°", "", "é €", "?"}));
    ASSERT_TRUE(write_lines(path, {}));
    EXPECT_EQ(file_bytes(path), "");
}

}  // namespace
}  // namespace norvexa
