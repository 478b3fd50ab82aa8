#include "common/line_file.h"

#include <array>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace norvexa {
namespace {

// The code points of bytes 0x80..0x9F. The five bytes Windows-1252 leaves unassigned
// stand for the C1 control of the same number, so every byte survives a round trip.
constexpr std::array<char32_t, 32> high_controls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::vector<std::string> split_lines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        auto line = bytes.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(from_windows1252(line));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

}  // namespace

void append_utf8(std::string& out, char32_t code_point) {
    if (code_point >= 0xD800 && code_point <= 0xDFFF) code_point = 0xFFFD;
    if (code_point < 0x80) {
        out += static_cast<char>(code_point);
    } else if (code_point < 0x800) {
        out += static_cast<char>(0xC0 | (code_point >> 6));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        out += static_cast<char>(0xE0 | (code_point >> 12));
        out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code_point >> 18));
        out += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    }
}

char32_t windows1252_code_point(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? high_controls[byte - 0x80] : byte;
}

std::optional<char> windows1252_byte(char32_t code_point) {
    if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) return static_cast<char>(code_point);
    for (std::size_t i = 0; i < high_controls.size(); ++i)
        if (high_controls[i] == code_point) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

std::optional<char32_t> next_code_point(std::string_view text, std::size_t& i) {
    const auto at = [&](std::size_t k) -> char32_t { return static_cast<unsigned char>(text[k]); };
    const char32_t lead = at(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    const std::size_t length = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
    static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    char32_t code_point = lead & (0x7F >> length);
    bool valid = length != 0 && i + length <= text.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
        valid = (at(i + k) & 0xC0) == 0x80;
        code_point = (code_point << 6) | (at(i + k) & 0x3F);
    }
    valid = valid && code_point >= smallest[length] && code_point <= 0x10FFFF &&
            (code_point < 0xD800 || code_point > 0xDFFF);
    i += valid ? length : 1;
    return valid ? std::optional(code_point) : std::nullopt;
}

std::string to_windows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto code_point = next_code_point(utf8, i);
        out += code_point ? windows1252_byte(*code_point).value_or('?') : '?';
    }
    return out;
}

std::optional<char32_t> first_unstorable(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto code_point = next_code_point(utf8, i);
        if (!code_point) return U'\uFFFD';
        if (!windows1252_byte(*code_point)) return code_point;
    }
    return std::nullopt;
}

std::string quoted_character(char32_t code_point) {
    std::string text = "«";
    append_utf8(text, code_point);
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(code_point));
    return text + "» (" + code + ")";
}

std::string from_windows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        append_utf8(out, windows1252_code_point(byte));
    }
    return out;
}

std::optional<std::string> read_small_file(const std::filesystem::path& path, std::size_t max_bytes) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return std::nullopt;
    struct stat status {};
    bool failed = ::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
                  static_cast<unsigned long long>(status.st_size) > max_bytes;
    std::string bytes;
    char buffer[8192];
    while (!failed) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            failed = count < 0;
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
        failed = bytes.size() > max_bytes;  // the file may grow while it is read
    }
    ::close(descriptor);
    if (failed) return std::nullopt;
    return bytes;
}

std::optional<std::vector<std::string>> read_lines(const std::filesystem::path& path) {
    const auto bytes = read_small_file(path, largest_line_file_bytes);
    if (!bytes) return std::nullopt;
    return split_lines(*bytes);
}

bool write_lines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += to_windows1252(line) + "\r\n";
    return write_file(path, bytes);
}

std::vector<std::string_view> split_fields(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(separator, start);
        fields.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

}  // namespace norvexa
