#pragma once

#include <string>

#include "drawing/board.h"

namespace norvexa {

// The board as one JSON object: "scala", then every element by name with its place
// (left, top, width, height; lines x1, y1, x2, y2) in twips, "visible", and where it has
// them its "text", "tip", "fore" and, when filled, "back" colour as numbers.
std::string board_json(const Board& board);

}  // namespace norvexa
