#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/colour.h"
#include "common/entry_rule.h"

namespace norvexa {

// True when the text's leading point-decimal number is 0 ("0", "0,5", "00", "").
bool leading_number_is_zero(const std::string& text);

// Every "." replaced by ",".
std::string points_to_commas(std::string text);

// The spacing list for a total height H in cm: an empty item, then 4, 5, ... up to
// 0.8 H, at most 30.
std::vector<std::string> spacing_items(double total_height);

// The depth list of each layer: top-bar depths 3, 4, 5 when H1 > 5, a separator, the
// bottom-bar depths H1 - 5 .. H1 - 3 when H1 > 10, and for a T section with a web the
// depths H - 5 .. H - 3 below another separator when H > 13 (and H is finite).
std::vector<std::string> depth_items(double h1, double h2, bool tee);

constexpr const char* depth_separator = "-----";

// Reads a height field: the locale number rounded to 2 decimals, 0 when empty or not a number.
double height_of(const std::string& text);

// An area label shows its value in plain digits, which a double holds up to 15 of; an
// area this large or larger (or not a number at all) is one no label can show.
inline constexpr double largest_shown_area = 1e15;

// Area in cm² of n bars of diameter d mm (π taken as 3.1415), rounded to 2 decimals;
// empty when 0. Empty or non-numeric texts count as 0. nullopt when the area is beyond
// largest_shown_area.
std::optional<std::string> group_area_text(const std::string& count, const std::string& diameter);

// Sum of the non-empty group areas, each rounded to 2 decimals; empty when 0 or none.
std::string layer_total_text(const std::array<std::string, 3>& group_areas);

// Stirrup area per metre, cm²/m: (100 / S) · Nb · 3.1415 · (D / 20)², rounded to
// 2 decimals; empty unless all three texts are numbers and the spacing is not 0.
// nullopt when the area is beyond largest_shown_area.
std::optional<std::string> stirrup_area_text(const std::string& arms, const std::string& diameter_mm,
                                             const std::string& spacing_cm);

// Of the number texts whose product is an area no label can show, the index of the one
// that drives it there: the largest in magnitude once raised to its power in the area
// (a spacing, which divides, by being small). Each text comes with that power.
std::size_t overflowing_factor(std::initializer_list<std::pair<const std::string&, int>> factors);

// The text a design action takes when its field is left: a text with a comma that
// reads as a locale number keeps its value ("150,75", "1.000,5" -> "1000,5"); any other
// text becomes the value of its leading point-decimal number ("12.5" -> "12,5",
// "1e3" -> "1000", "" -> "0").
std::string action_on_leaving(const std::string& text);

}  // namespace norvexa
