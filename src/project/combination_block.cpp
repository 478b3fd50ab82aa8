#include "project/combination_block.h"

#include "capacity/code_key.h"
#include "capacity/ntc_shear.h"
#include "common/line_file.h"
#include "common/numbers.h"

namespace norvexa {

using capacity::BadLine;
using capacity::CombinationSet;

std::vector<std::string> combination_block(const CombinationSet& combinations) {
    if (combinations.rows.empty()) return {};
    // A chosen strut inclination follows the code's key; the balanced one writes the key alone.
    std::string code = capacity::code_key(combinations.code);
    if (combinations.cot_theta) code += ";" + to_text(*combinations.cot_theta);
    std::vector<std::string> lines{combinations_marker, code};
    for (const capacity::Combination& row : combinations.rows) lines.push_back(capacity::combination_line(row));
    return lines;
}

std::optional<UnstorableCharacter> first_unstorable_name(const CombinationSet& combinations) {
    for (std::size_t i = 0; i < combinations.rows.size(); ++i)
        if (const auto character = first_unstorable(combinations.rows[i].name))
            return UnstorableCharacter{"Il nome della combinazione " + std::to_string(i + 1), *character};
    return std::nullopt;
}

std::variant<CombinationSet, BadLine> read_combination_block(const std::vector<std::string>& lines) {
    std::size_t next = project_line_count;  // the index of line 52
    if (next >= lines.size() || lines[next] != combinations_marker) return CombinationSet{};
    ++next;
    const std::string code_line = next < lines.size() ? lines[next] : std::string{};
    const std::size_t separator = code_line.find(';');
    const auto code = capacity::code_of_key(std::string_view(code_line).substr(0, separator));
    std::optional<double> cot_theta;
    if (separator != std::string::npos) {
        cot_theta = locale_double(std::string_view(code_line).substr(separator + 1));
        if (!capacity::allowed_cot_theta(cot_theta))
            return BadLine{next + 1, code_line};
    }
    if (!code) return BadLine{next + 1, code_line};
    ++next;
    auto rows = capacity::read_combinations({lines.begin() + static_cast<std::ptrdiff_t>(next), lines.end()});
    if (auto* bad = std::get_if<BadLine>(&rows)) return BadLine{bad->number + next, bad->text};
    return CombinationSet{*code, std::get<std::vector<capacity::Combination>>(std::move(rows)), cot_theta};
}

std::string bad_block_message(const BadLine& line) {
    return "Riga " + std::to_string(line.number) + " non valida nel blocco delle verifiche: «" + line.text + "»";
}

}  // namespace norvexa
