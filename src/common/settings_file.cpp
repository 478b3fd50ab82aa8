#include "common/settings_file.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "common/line_file.h"
#include "common/numbers.h"
#include "common/program_folder.h"

namespace norvexa {
namespace {

constexpr int file_lines = 6;

}  // namespace

std::optional<long> settings_number(const std::string& line) {
    const auto value = locale_double(line);
    if (!value) return std::nullopt;
    const double whole = std::nearbyint(*value);
    if (whole < std::numeric_limits<std::int32_t>::min() || whole > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<long>(whole);
}

// The colours are kept as signed 32-bit numbers, so the system colours (0x80000000 and
// above) are negative on disk.
Colour settings_colour(long number) { return static_cast<Colour>(static_cast<std::int32_t>(number)); }

namespace {

std::string colour_line(Colour colour) { return file_number(static_cast<std::int32_t>(colour)); }

// A slider text whose number lies above the slider's range is written as the range's end.
std::string slider_line(const std::string& text, int bound) {
    const auto value = locale_double(text);
    return value && *value > bound ? file_number(bound) : text;
}

}  // namespace

std::optional<std::array<long, 6>> read_settings_numbers(int lines) {
    if (lines < 0 || lines > file_lines) return std::nullopt;
    const auto text = read_lines(settings_file());
    if (!text || text->size() < static_cast<std::size_t>(lines)) return std::nullopt;
    std::array<long, 6> numbers{};
    for (int i = 0; i < lines; ++i) {
        const auto number = settings_number((*text)[i]);
        if (!number) return std::nullopt;
        numbers[i] = *number;
    }
    return numbers;
}

std::optional<DisplaySettings> read_input_form_settings() {
    const auto numbers = read_settings_numbers(file_lines);
    if (!numbers) return std::nullopt;
    const auto& n = *numbers;
    return DisplaySettings{settings_colour(n[0]), settings_colour(n[1]), settings_colour(n[2]), settings_colour(n[3]),
                           std::to_string(n[4]), std::to_string(n[5])};
}

std::optional<std::array<Colour, 4>> read_analysis_window_colours() {
    const auto numbers = read_settings_numbers(4);
    if (!numbers) return std::nullopt;
    const auto& n = *numbers;
    return std::array<Colour, 4>{settings_colour(n[0]), settings_colour(n[1]), settings_colour(n[2]), settings_colour(n[3])};
}

bool write_settings(const DisplaySettings& settings) {
    make_folder(program_folder());
    return write_lines(settings_file(),
                       {colour_line(settings.concrete), colour_line(settings.steel), colour_line(settings.mask),
                        colour_line(settings.line), slider_line(settings.strip, last_strip_position),
                        slider_line(settings.tolerance, last_tolerance_position)});
}

}  // namespace norvexa
