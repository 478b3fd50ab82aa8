#pragma once

#include <cstdint>

namespace norvexa {

// 24-bit colour with red in the low byte (0x00BBGGRR); 0x80000012 is the system's
// button-text colour, 0x8000000F its button face.
using Colour = std::uint32_t;

constexpr Colour rgb(unsigned red, unsigned green, unsigned blue) {
    return red | (green << 8) | (blue << 16);
}

namespace colours {
constexpr Colour black = 0;
constexpr Colour white = rgb(255, 255, 255);
constexpr Colour red = 255;
constexpr Colour light_grey = 12632256;
constexpr Colour button_text = 0x80000012;
constexpr Colour button_face = 0x8000000F;
}  // namespace colours

// The colours that mark bar layers 0..3 (red, blue, green, magenta) and their pale tints.
constexpr Colour layer_colours[4] = {rgb(255, 0, 0), rgb(0, 0, 255), rgb(0, 128, 0), rgb(255, 0, 255)};
constexpr Colour layer_tints[4] = {rgb(255, 192, 192), rgb(192, 192, 255), rgb(192, 255, 192), rgb(255, 192, 255)};

}  // namespace norvexa
