#include "shell/settings_file.h"

#include <cmath>

#include "common/line_file.h"
#include "common/numbers.h"
#include "common/program_folder.h"

namespace norvexa {
namespace {

std::optional<long> whole32(const std::string& line) {
    const auto value = locale_double(line);
    if (!value) return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
    return static_cast<long>(rounded);
}

Colour colour_of(long value) { return static_cast<Colour>(static_cast<std::uint32_t>(value)); }

std::string bounded(const std::string& text, long bound) {
    const auto value = whole32(text);
    return value && *value > bound ? file_number(bound) : text;
}

}  // namespace

std::optional<std::array<long, 6>> read_settings_numbers(int lines) {
    const auto read = read_lines(settings_file());
    if (!read || read->size() < static_cast<std::size_t>(lines)) return std::nullopt;
    std::array<long, 6> numbers{};
    for (int i = 0; i < lines; ++i) {
        const auto value = whole32((*read)[i]);
        if (!value) return std::nullopt;
        numbers[i] = *value;
    }
    return numbers;
}

std::optional<DisplaySettings> read_input_form_settings() {
    const auto n = read_settings_numbers(6);
    if (!n) return std::nullopt;
    return DisplaySettings{colour_of((*n)[0]), colour_of((*n)[1]), colour_of((*n)[2]), colour_of((*n)[3]),
                           std::to_string((*n)[4]), std::to_string((*n)[5])};
}

std::optional<std::array<Colour, 4>> read_analysis_window_colours() {
    const auto n = read_settings_numbers(4);
    if (!n) return std::nullopt;
    return std::array<Colour, 4>{colour_of((*n)[0]), colour_of((*n)[1]), colour_of((*n)[2]), colour_of((*n)[3])};
}

bool write_settings(const DisplaySettings& s) {
    auto signed_colour = [](Colour c) { return file_number(static_cast<std::int32_t>(c)); };
    return write_lines(settings_file(), {signed_colour(s.concrete), signed_colour(s.steel), signed_colour(s.mask),
                                         signed_colour(s.line), bounded(s.strip, 40), bounded(s.tolerance, 20)});
}

}  // namespace norvexa
