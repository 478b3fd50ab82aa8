#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "capacity/capacity.h"
#include "capacity/combinations_csv.h"
#include "project/project_file.h"

namespace norvexa {

// The line after the project's 51 that begins the block of the combinations.
inline constexpr const char* combinations_marker = "[VERIFICHE]";

// The lines a project with combinations writes after its 51: the marker, the code's key,
// then one line per combination as a combinations file holds it. None without rows, so
// that such a project is written as the 51 lines alone.
std::vector<std::string> combination_block(const capacity::CombinationSet& combinations);

// The first character of a combination's name that the file would store as '?', with
// the field as a message names it ("Il nome della combinazione 2").
std::optional<UnstorableCharacter> first_unstorable_name(const capacity::CombinationSet& combinations);

// The combinations of a project file's lines (line 1 first): an empty set when line 52 is
// not the marker, whatever follows the 51 lines then being ignored; else the code on
// line 53 and the combinations of the lines after it, read as a combinations file is.
// The first line that cannot be read is refused, with its number in the file.
std::variant<capacity::CombinationSet, capacity::BadLine> read_combination_block(const std::vector<std::string>& lines);

// What the user is told of a block that cannot be read.
std::string bad_block_message(const capacity::BadLine& line);

}  // namespace norvexa
