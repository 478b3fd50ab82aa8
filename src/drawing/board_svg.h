#pragma once

#include <string>

#include "drawing/board.h"

namespace norvexa {

// The board as an SVG picture in board units (twips, shown at 15 twips a pixel, doubled):
// the drawing-area frame, compressed zone, section body and outline, neutral axis, bar
// circles, dimension texts and read-out, as the analysis window shows them; the bar list
// of every drawn layer is shown on its depth line, as hovering shows it.
std::string board_svg(const Board& board);

}  // namespace norvexa
