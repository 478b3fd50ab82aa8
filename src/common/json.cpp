#include "common/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "common/line_file.h"

namespace norvexa {

std::string json_string(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        if (!next_code_point(text, i)) {
            out += "\uFFFD";  // U+FFFD REPLACEMENT CHARACTER, so the output stays UTF-8
            continue;
        }
        if (i - start > 1) {
            out += text.substr(start, i - start);
            continue;
        }
        const char c = text[start];
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string json_number(float value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return {text, end};
}

std::string json_number(double value) {
    if (!std::isfinite(value)) return "null";
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return {text, end};
}

}  // namespace norvexa
