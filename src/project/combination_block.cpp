#include "project/combination_block.h"

#include "capacity/code_key.h"
#include "capacity/ntc_shear.h"
#include "capacity/service_check.h"
#include "common/line_file.h"
#include "common/numbers.h"

namespace norvexa {

using capacity::BadLine;
using capacity::CombinationSet;
using capacity::ServiceSettings;

namespace {

constexpr std::string_view service_key = "SLE";

// "SLE;environment;n;kt;φ1;c1;…;φ4;c4", a typed diameter or cover empty when none.
std::string service_line(const ServiceSettings& service) {
    std::string line = std::string(service_key) + ";" + capacity::environment_key(service.environment) + ";" +
                       to_text(service.n) + ";" + to_text(service.kt);
    for (std::size_t k = 0; k < service.diameter.size(); ++k)
        for (const auto& typed : {service.diameter[k], service.cover[k]}) line += ";" + (typed ? to_text(*typed) : "");
    return line;
}

std::optional<ServiceSettings> read_service_line(std::string_view line) {
    const std::vector<std::string_view> fields = split_fields(line, ';');
    ServiceSettings service;
    if (fields.size() != 4 + 2 * service.diameter.size() || fields[0] != service_key) return std::nullopt;
    const auto environment = capacity::environment_of_key(fields[1]);
    const auto n = locale_double(fields[2]), kt = locale_double(fields[3]);
    using capacity::ServiceSetting;
    if (!environment || !capacity::allowed_setting(ServiceSetting::n, n) ||
        !capacity::allowed_setting(ServiceSetting::kt, kt))
        return std::nullopt;
    service.environment = *environment;
    service.n = *n;
    service.kt = *kt;
    for (std::size_t k = 0; k < service.diameter.size(); ++k)
        for (const ServiceSetting setting : {ServiceSetting::diameter, ServiceSetting::cover}) {
            const bool diameter = setting == ServiceSetting::diameter;
            const std::string_view text = fields[(diameter ? 4 : 5) + 2 * k];
            if (text.empty()) continue;
            auto& typed = (diameter ? service.diameter : service.cover)[k];
            typed = locale_double(text);
            if (!capacity::allowed_setting(setting, typed)) return std::nullopt;
        }
    return service;
}

}  // namespace

std::vector<std::string> combination_block(const CombinationSet& combinations) {
    // A code chosen alone is not kept; rows, a strut inclination or service settings are.
    if (combinations.rows.empty() && !combinations.cot_theta && combinations.service == ServiceSettings{}) return {};
    // A chosen strut inclination follows the code's key; the balanced one writes the key alone.
    std::string code = capacity::code_key(combinations.code);
    if (combinations.cot_theta) code += ";" + to_text(*combinations.cot_theta);
    std::vector<std::string> lines{combinations_marker, code};
    if (combinations.service != ServiceSettings{}) lines.push_back(service_line(combinations.service));
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
    ServiceSettings service;
    // Not a combination named "SLE": that line has no environment where its NEd stands.
    if (next < lines.size())
        if (const auto read = read_service_line(lines[next])) {
            service = *read;
            ++next;
        }
    auto rows = capacity::read_combinations({lines.begin() + static_cast<std::ptrdiff_t>(next), lines.end()});
    if (auto* bad = std::get_if<BadLine>(&rows)) return BadLine{bad->number + next, bad->text};
    return CombinationSet{*code, std::get<std::vector<capacity::Combination>>(std::move(rows)), cot_theta, service};
}

std::string bad_block_message(const BadLine& line) {
    return "Riga " + std::to_string(line.number) + " non valida nel blocco delle verifiche: «" + line.text + "»";
}

}  // namespace norvexa
