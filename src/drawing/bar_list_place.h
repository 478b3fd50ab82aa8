#pragma once

#include "drawing/board.h"

namespace norvexa {

// A layer's depth line: the height of its circle's centre, where the bar list rests and
// where the pointer shows it.
float depth_line(const BoardElement& circle);

// The lists are kept inside the frame and clear of their circle: a list that cannot be
// on one side of it takes the next.

// A bar list as the pointer shows it: on its depth line right of its circle; a list too
// wide for that stands under or over the circle, on the side towards the frame's middle
// first.
void place_beside_circle(BoardElement& list, const BoardElement& circle, const BoardElement& frame);

// A bar list on paper: left of its resting place by half its width and 200 units, under
// or over its circle, on the side towards the frame's middle first.
void place_on_paper(BoardElement& list, const BoardElement& circle, const BoardElement& frame);

}  // namespace norvexa
