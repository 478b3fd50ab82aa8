#include "report/rtf_writer.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "common/line_file.h"

namespace norvexa {
namespace {

// \uN takes a signed 16-bit N; the '?' after it is what a reader without Unicode shows.
void append_unicode_unit(std::string& out, char32_t unit) {
    out += "\\u" + std::to_string(static_cast<std::int16_t>(unit)) + "?";
}

void append_character(std::string& out, char32_t code_point) {
    if (code_point == '\\' || code_point == '{' || code_point == '}') {
        out += '\\';
        out += static_cast<char>(code_point);
    } else if (code_point >= 0x20 && code_point < 0x7F) {
        out += static_cast<char>(code_point);
    } else if (const auto byte = windows1252_byte(code_point)) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\'%02x", static_cast<unsigned char>(*byte));
        out += hex;
    } else if (code_point > 0xFFFF) {
        const char32_t offset = code_point - 0x10000;
        append_unicode_unit(out, 0xD800 + (offset >> 10));
        append_unicode_unit(out, 0xDC00 + (offset & 0x3FF));
    } else {
        append_unicode_unit(out, code_point);
    }
}

void append_line(std::string& out, std::string_view line) {
    for (std::size_t i = 0; i < line.size();) append_character(out, next_code_point(line, i).value_or(U'?'));
}

}  // namespace

std::string rtf_document(const std::vector<std::string>& lines) {
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}\r\n\\f0\\fs20 ";
    for (const auto& line : lines) {
        append_line(out, line);
        // The line break ends the control word, so a line starting with a digit or letter
        // is not read as part of it; readers ignore the break itself.
        out += "\\par\r\n";
    }
    out += "}";
    return out;
}

}  // namespace norvexa
