#pragma once

#include "capacity/capacity.h"

namespace norvexa::capacity::examples {

// The reference materials C 25-30 and Feb 44 K under D.M. 9/1/96.
inline const Materials dm96_c25{{13.28, 0.002, 0.0035, 2}, {373.9, 200000, 0.010}};
// NTC 2018 at fck 70 with B450C: a non-integer exponent and εc2 above 2 ‰.
inline const Materials ntc_c70{{0.85 * 70 / 1.5, 0.00241588, 0.002656, 1.43744}, {391.3, 200000, 0.0675}};

// The worked example 30 x 50 with 9,42 cm² at 46 cm; with 4,02 cm² at 4 cm too; with
// 9,42 cm² at both.
inline const Section worked_example{{{0, 500, 300}}, {{942, 460}}};
inline const Section doubly_reinforced{{{0, 500, 300}}, {{402, 40}, {942, 460}}};
inline const Section doubly_symmetric{{{0, 500, 300}}, {{942, 40}, {942, 460}}};
// The T 120 x 120: flange 120 x 20, web 40 x 100, four layers.
inline const Section tee{{{0, 200, 1200}, {200, 1200, 400}}, {{603, 40}, {2413, 1060}, {2413, 1110}, {2413, 1160}}};

}  // namespace norvexa::capacity::examples
