#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace norvexa {

// A stretch of text with one character format.
struct RtfRun {
    std::string text;     // UTF-8; "\t" for a tab or a table cell's end, "\n" for a line break
    bool bold = false;
    bool italic = false;
    bool underline = false;
    double size = 12;     // points, 1 to 1638
    std::string family;   // the font table's name of the run's font; empty when it has none

    bool operator==(const RtfRun&) const = default;
};

enum class RtfAlignment { left, centre, right, justified };

// One paragraph: its runs, never empty ones, and the paragraph format in force at its end.
struct RtfParagraph {
    std::vector<RtfRun> runs;
    RtfAlignment alignment = RtfAlignment::left;
    int left_indent = 0;        // twips, bounded to +-31680 (22 inches)
    int first_line_indent = 0;  // twips, relative to left_indent, same bound
    int space_before = 0;       // twips, 0 to 31680
    int space_after = 0;
    bool table_row = false;     // a table row: its cells separated by tabs

    std::string text() const;   // the runs' texts joined
    bool operator==(const RtfParagraph&) const = default;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
    bool rtf = false;     // the bytes began with "{\rtf" (after blanks); nothing is read otherwise
    bool intact = false;  // read to the closing brace of the document without a fault

    std::vector<std::string> texts() const;  // each paragraph's text
};

// Reads a rich-text document: paragraphs, bold, italic, underline, font sizes and
// families, alignment, indents and spacing, \'hh characters (Windows-1252), \uN with its
// \ucN fallback, tabs, line breaks, and tables as one paragraph a row. Headers, footers,
// footnotes, pictures, objects, the style sheet, the colour table, the document
// information, fields' instructions and every {\*...} destination are skipped, as is
// hidden text. Any input is safe: the reading is linear in its size and never recurses;
// groups nested deeper than 1000 levels take the innermost format; a truncated or
// malformed document keeps what was read before the fault and is not `intact`.
RtfDocument read_rtf(std::string_view bytes);

}  // namespace norvexa
