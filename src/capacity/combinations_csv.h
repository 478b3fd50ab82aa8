#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "capacity/capacity.h"

namespace norvexa::capacity {

// A combination as one line "name;NEd;MEd;VEd", then ";kind" (RARA, FREQ, QP) for a
// service row: the numbers with the decimal comma, VEd empty when not given. A line break in the name is written as a blank, so that the
// line stays one line.
std::string combination_line(const Combination& combination);

// Reads such a line: four fields, or five when the last is a kind (SLU too), the name
// being all before the number fields (so it may hold semicolons itself), NEd and MEd numbers as action_number reads them
// (the decimal comma, or a point when there is no comma), VEd such a number or empty.
// None when the line is not one.
std::optional<Combination> read_combination_line(std::string_view line);

// The line that could not be read: its number from 1 and its text.
struct BadLine {
    std::size_t number = 0;
    std::string text;

    bool operator==(const BadLine&) const = default;
};

// The combinations of a file's lines, in order: blank lines are skipped, and the first
// line that is not blank may be a header, four fields none of whose numbers is one
// ("nome;NEd;MEd;VEd"). The first other line that is not a combination is refused.
std::variant<std::vector<Combination>, BadLine> read_combinations(const std::vector<std::string>& lines);

// The lines of a CSV file's bytes: lines end with LF or CR LF; the text is UTF-8 (a
// leading byte-order mark dropped) when the bytes are valid UTF-8, else Windows-1252, as
// a spreadsheet on either system writes it.
std::vector<std::string> csv_lines(std::string_view bytes);

}  // namespace norvexa::capacity
