#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/colour.h"

namespace norvexa {

// The positions of the input form's two precision sliders, whose defaults FCOL keeps:
// the strip height in tenths of a millimetre and the tolerance.
inline constexpr int lowest_slider_position = 1, last_strip_position = 40, last_tolerance_position = 20;

// The display settings: four colours and the two slider defaults, as kept in FCOL.
struct DisplaySettings {
    Colour concrete = 12648447;  // pale yellow
    Colour steel = 16777152;     // pale cyan
    Colour mask = 14737632;      // light grey
    Colour line = 32768;         // green
    std::string strip = "20";      // strip-height slider default, 1..40
    std::string tolerance = "10";  // tolerance slider default, 1..20

    bool operator==(const DisplaySettings&) const = default;
};

// One line of FCOL as a whole number that fits 32 bits (blanks ignored, halves to even);
// nullopt when it is none.
std::optional<long> settings_number(const std::string& line);
// A colour as FCOL keeps it: a signed 32-bit number.
Colour settings_colour(long number);

// The raw lines of FCOL as numbers, read all-or-nothing by each window's own rule.
// Each line is read as a whole number that fits 32 bits (blanks ignored, halves to even).
// nullopt when the file is missing or any of the first `lines` lines is absent or not such a number.
std::optional<std::array<long, 6>> read_settings_numbers(int lines);

// The input form's reader: all six lines, or nothing.
std::optional<DisplaySettings> read_input_form_settings();
// The analysis window's reader: the first four lines (colours), or nothing.
std::optional<std::array<Colour, 4>> read_analysis_window_colours();

// Writes the six lines: colours as file numbers, slider texts as they stand, or 40 / 20
// as file numbers when the text's locale number exceeds that bound. Creates the program
// folder when missing. Returns false on failure, keeping any previous file.
bool write_settings(const DisplaySettings& settings);

}  // namespace norvexa
