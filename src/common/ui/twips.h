#pragma once

#include <cmath>

#include <QColor>

#include "common/colour.h"

namespace norvexa {

// Places and sizes in twips become device-independent pixels at 15 twips a pixel; Qt
// scales those for the screen.
inline constexpr int twips_per_pixel = 15;
inline int to_pixels(double twips) { return static_cast<int>(std::lround(twips / twips_per_pixel)); }
inline int to_twips(int pixels) { return pixels * twips_per_pixel; }

// A colour of the program as Qt's; the system's button colours come from the palette.
QColor to_qcolor(Colour colour);

}  // namespace norvexa
