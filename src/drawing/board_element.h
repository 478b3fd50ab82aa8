#pragma once

#include <string>

#include "common/colour.h"

namespace norvexa {

// One drawing element of the analysis window, retained for the window's whole life:
// each run only moves, resizes, recolours, re-captions, shows or hides it. Positions
// and sizes are in twips (single precision, as the window keeps them), relative to the
// element's container.
struct BoardElement {
    enum class Kind { rectangle, line, label, circle, frame };

    Kind kind = Kind::rectangle;
    float left = 0, top = 0, width = 0, height = 0;  // every kind but lines
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;            // lines only
    bool visible = false;
    std::string text;  // labels and frames
    std::string tip;   // tool tip
    Colour back = colours::white;  // fill or background, used when `filled`
    Colour fore = colours::black;  // border, line or text colour
    bool filled = false;
    bool border = false;  // rectangles and labels: the border is drawn

    bool operator==(const BoardElement&) const = default;
};

}  // namespace norvexa
