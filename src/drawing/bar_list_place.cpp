#include "drawing/bar_list_place.h"

#include <algorithm>
#include <array>

namespace norvexa {
namespace {

// Between a list and its circle: the circle's two-pixel pen and a few pixels more.
constexpr float gap = 60;

struct Spot {
    float left, top;
};

float right(const BoardElement& e) { return e.left + e.width; }
float bottom(const BoardElement& e) { return e.top + e.height; }

// Moved into the frame along both axes; a list larger than the frame keeps its left or
// top edge inside.
Spot inside(Spot spot, const BoardElement& list, const BoardElement& frame) {
    spot.left = std::max(frame.left, std::min(spot.left, right(frame) - list.width));
    spot.top = std::max(frame.top, std::min(spot.top, bottom(frame) - list.height));
    return spot;
}

bool over(Spot spot, const BoardElement& list, const BoardElement& circle) {
    return spot.left < right(circle) && circle.left < spot.left + list.width && spot.top < bottom(circle) &&
           circle.top < spot.top + list.height;
}

// The first spot that, brought inside the frame, stays clear of the circle; failing all,
// the last one.
template <std::size_t n>
void place(BoardElement& list, const BoardElement& circle, const BoardElement& frame, const std::array<Spot, n>& spots) {
    Spot chosen{};
    for (const Spot spot : spots) {
        chosen = inside(spot, list, frame);
        if (!over(chosen, list, circle)) break;
    }
    list.left = chosen.left;
    list.top = chosen.top;
}

// Below and above the circle at that left edge; first the side towards the frame's
// middle, where the section lies, so that the list crosses its outline less often.
std::array<Spot, 2> below_and_above(const BoardElement& list, const BoardElement& circle, const BoardElement& frame,
                                    float left) {
    const Spot below{left, bottom(circle) + gap}, above{left, circle.top - gap - list.height};
    if (depth_line(circle) > frame.top + frame.height / 2) return {above, below};
    return {below, above};
}

}  // namespace

float depth_line(const BoardElement& circle) { return static_cast<float>(circle.top + circle.height / 2.0); }

void place_beside_circle(BoardElement& list, const BoardElement& circle, const BoardElement& frame) {
    const auto [near, far] = below_and_above(list, circle, frame, circle.left + circle.width / 2 - list.width / 2);
    place(list, circle, frame, std::array{Spot{right(circle) + gap, depth_line(circle) - list.height / 2}, near, far});
}

void place_on_paper(BoardElement& list, const BoardElement& circle, const BoardElement& frame) {
    place(list, circle, frame, below_and_above(list, circle, frame, Board::bar_list_left - list.width / 2 - 200));
}

}  // namespace norvexa
