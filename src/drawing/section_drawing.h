#pragma once

#include <string>

#include "analysis/analysis_input.h"
#include "analysis/analysis_results.h"
#include "analysis/field_source.h"
#include "drawing/board.h"
#include "common/text_measure.h"

namespace norvexa {

// The last step of every analysis run that reaches it: shows the bending results,
// places the layer result blocks, then draws the section of the input form to scale on
// the board (body, T outline, dimension texts, the neutral axis of results.bending,
// compressed zone, bar lists, shear frame) and its bars. A section with a zero size for
// its shape hides the body, outline and dimension texts and draws nothing more. Throws
// ArithmeticFault when a field is not a number, when the scale leaves 16 bits or when a
// layer area is negative; what was set before stays.
void disegnasezione(const FieldSource& form, const AnalysisInput& in, AnalysisResults& results, Board& board,
                    const TextMeasure& measure);

// One circle per layer of positive area, of the diameter of one bar of the layer's
// whole area, centred on the section's centre line at the layer's depth; the bar lists
// placed on the depth lines; the layer result blocks shown by the layer count; the
// result panel shown. Needs `scala` and `corpo1` as the section drawing left them.
void disegnaferri(const FieldSource& form, Board& board);

// The bar list of layer 1..4: "n°2Ø16 + n°3Ø20  =cmq 10,05", or "(distinta ferri non
// definita)" before " =cmq " when no group of the layer has both a count and a diameter.
std::string bar_list_text(const FieldSource& form, int layer);

}  // namespace norvexa
