#pragma once

#include <string>
#include <vector>

#include "common/colour.h"

namespace norvexa {

// What the program knows of one control of a window.
struct Control {
    std::string text;                  // text or caption, UTF-8
    std::vector<std::string> items;    // list fields only
    bool enabled = true;
    bool visible = true;
    Colour back = colours::white;
    Colour fore = colours::black;
    int value = 0;                     // check box, option button, slider position

    bool operator==(const Control&) const = default;
};

}  // namespace norvexa
