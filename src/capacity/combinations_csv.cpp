#include "capacity/combinations_csv.h"

#include <algorithm>
#include <array>
#include <utility>

#include "capacity/code_key.h"
#include "common/line_file.h"
#include "common/numbers.h"

namespace norvexa::capacity {
namespace {

// The name and the three number fields, split at the last three semicolons.
std::optional<std::array<std::string_view, 4>> fields_of(std::string_view line) {
    std::array<std::string_view, 4> fields;
    for (std::size_t field = 3; field > 0; --field) {
        const auto semicolon = line.rfind(';');
        if (semicolon == std::string_view::npos) return std::nullopt;
        fields[field] = line.substr(semicolon + 1);
        line = line.substr(0, semicolon);
    }
    fields[0] = line;
    return fields;
}

std::string_view trimmed(std::string_view field) {
    while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
    return field;
}

bool is_blank(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

bool is_header(std::string_view line) {
    const auto fields = fields_of(line);
    return fields && std::none_of(fields->begin() + 1, fields->end(),
                                  [](std::string_view field) { return action_number(field).has_value(); });
}

bool valid_utf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();)
        if (!next_code_point(bytes, i)) return false;
    return true;
}

}  // namespace

std::string combination_line(const Combination& combination) {
    std::string name = combination.name;
    std::replace_if(name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    std::string line = name + ';' + to_text(combination.NEd) + ';' + to_text(combination.MEd) + ';' +
                       (combination.VEd ? to_text(*combination.VEd) : std::string{});
    if (combination.kind != Kind::ultimate) line += std::string(";") + kind_key(combination.kind);
    return line;
}

std::optional<Combination> read_combination_line(std::string_view line) {
    // A kind closes the line only as a fifth field: no number is one.
    Kind kind = Kind::ultimate;
    if (const auto semicolon = line.rfind(';'); semicolon != std::string_view::npos)
        if (const auto key = kind_of_key(trimmed(line.substr(semicolon + 1)))) {
            kind = *key;
            line = line.substr(0, semicolon);
        }
    const auto fields = fields_of(line);
    if (!fields) return std::nullopt;
    const auto NEd = action_number((*fields)[1]), MEd = action_number((*fields)[2]);
    if (!NEd || !MEd) return std::nullopt;
    Combination combination{std::string((*fields)[0]), *NEd, *MEd, std::nullopt, kind};
    if (is_blank((*fields)[3])) return combination;
    combination.VEd = action_number((*fields)[3]);
    if (!combination.VEd) return std::nullopt;
    return combination;
}

std::variant<std::vector<Combination>, BadLine> read_combinations(const std::vector<std::string>& lines) {
    std::vector<Combination> rows;
    bool first = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (is_blank(lines[i])) continue;
        const bool may_be_header = std::exchange(first, false);
        if (auto combination = read_combination_line(lines[i])) rows.push_back(std::move(*combination));
        else if (!may_be_header || !is_header(lines[i])) return BadLine{i + 1, lines[i]};
    }
    return rows;
}

std::vector<std::string> csv_lines(std::string_view bytes) {
    constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";
    const bool utf8 = valid_utf8(bytes);
    if (utf8 && bytes.starts_with(byte_order_mark)) bytes.remove_prefix(byte_order_mark.size());
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        auto line = bytes.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(utf8 ? std::string(line) : from_windows1252(line));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

}  // namespace norvexa::capacity
