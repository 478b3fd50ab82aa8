#include "report/rtf_writer.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace norvexa {
namespace {

const std::string head = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}\r\n\\f0\\fs20 ";

TEST(ReportRtf, FramesOneParagraphPerLine) {
    EXPECT_EQ(rtf_document({}), head + "}");
    EXPECT_EQ(rtf_document({"a", "", "1 x", "  y"}), head + "a\\par\r\n\\par\r\n1 x\\par\r\n  y\\par\r\n}");
}

TEST(ReportRtf, EscapesEverythingButPrintableAscii) {
    struct Case { const char* line; const char* body; } cases[] = {
        {"Trave 1: b=30; h=50 (cm)", "Trave 1: b=30; h=50 (cm)"},
        {"n°2Ø16", "n\\'b02\\'d816"},
        {"10%°", "10%\\'b0"},
        {"{a}\\b", "\\{a\\}\\\\b"},
        {"é€", "\\'e9\\'80"},
        {"a\tb", "a\\'09b"},
        {"ε=1", "\\u949?=1"},
        {"\uFFFD", "\\u-3?"},
        {"😀", "\\u-10179?\\u-8704?"},
        {"\xC3x", "?x"},
    };
    for (const auto& c : cases) EXPECT_EQ(rtf_document({c.line}), head + c.body + "\\par\r\n}") << c.line;
}

TEST(ReportRtf, DocumentIsPlainAscii) {
    const auto document = rtf_document({"Ø°€ε😀\xFF", "ü"});
    EXPECT_TRUE(std::all_of(document.begin(), document.end(), [](char c) { return c > 0 && c < 0x7F; }));
}

}  // namespace
}  // namespace norvexa
