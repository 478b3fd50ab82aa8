// The rich-text reader: the input is read as a document and checked against the bounds
// the reader promises. Then the input's lines are written by the report's rich-text
// writer and read back, which must give the lines again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "common/line_file.h"
#include "fuzz_support.h"
#include "report/rtf_reader.h"
#include "report/rtf_writer.h"

namespace {

using norvexa::fuzz::expect;

void check_bounds(const norvexa::RtfDocument& document) {
    constexpr int largest_indent = 31680;
    for (const auto& paragraph : document.paragraphs) {
        for (const auto& run : paragraph.runs) {
            expect(!run.text.empty(), "an empty run");
            expect(run.size >= 1 && run.size <= 1638, "a font size out of bounds");
        }
        expect(paragraph.left_indent >= -largest_indent && paragraph.left_indent <= largest_indent, "left indent");
        expect(paragraph.first_line_indent >= -largest_indent && paragraph.first_line_indent <= largest_indent,
               "first line indent");
        expect(paragraph.space_before >= 0 && paragraph.space_before <= largest_indent, "space before");
        expect(paragraph.space_after >= 0 && paragraph.space_after <= largest_indent, "space after");
    }
    if (!document.rtf) expect(document.paragraphs.empty() && !document.intact, "text read from no rich text");
}

// The UTF-8 encoding of a code point.
void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The line as writing and reading keep it: each invalid UTF-8 byte becomes '?' and the
// control characters but the tab are left out, as the reader shows none.
std::string kept_text(std::string_view line) {
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        const char32_t c = norvexa::next_code_point(line, i).value_or(U'?');
        if (c >= 0x20 || c == '\t') append_utf8(out, c);
    }
    return out;
}

void show_line(const char* what, std::size_t index, const std::vector<std::string>& lines) {
    std::fprintf(stderr, "%s line %zu:", what, index);
    if (index < lines.size())
        for (const char c : lines[index]) std::fprintf(stderr, " %02x", static_cast<unsigned char>(c));
    else std::fprintf(stderr, " (none)");
    std::fprintf(stderr, "\n");
}

// The first line where the written document reads back different, in hex.
void show_difference(const std::vector<std::string>& expected, const std::vector<std::string>& read_back) {
    std::size_t i = 0;
    while (i < expected.size() && i < read_back.size() && expected[i] == read_back[i]) ++i;
    show_line("written", i, expected);
    show_line("read back", i, read_back);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace norvexa;
    const std::string_view bytes = fuzz::bytes_of(data, size);
    const RtfDocument document = read_rtf(bytes);
    check_bounds(document);
    document.texts();

    std::vector<std::string> lines, expected;
    for (std::size_t start = 0; start <= bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        lines.emplace_back(bytes.substr(start, end - start));
        expected.push_back(kept_text(lines.back()));
        start = end + 1;
    }
    const RtfDocument written = read_rtf(rtf_document(lines));
    expect(written.rtf && written.intact, "the writer's document is not read whole");
    const std::vector<std::string> read_back = written.texts();
    if (read_back != expected) {
        show_difference(expected, read_back);
        fuzz::broken("the writer's lines do not read back");
    }
    return 0;
}
