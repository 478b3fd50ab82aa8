#include "drawing/pointer_readout.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/numbers.h"
#include "drawing/bar_list_place.h"

namespace norvexa {
namespace {

constexpr float reach = 50;

// A whole number with a blank in place of the plus sign: " 10", "-3". A reading beyond a
// billion cm, which no board reaches, shows that bound.
std::string signed_text(double value) {
    constexpr double farthest = 1e9;
    const double rounded = std::isnan(value) ? 0 : round_to(std::clamp(value, -farthest, farthest), 0);
    const long long whole = static_cast<long long>(rounded);
    return whole < 0 ? std::to_string(whole) : " " + std::to_string(whole);
}

}  // namespace

void pointer_over_board(Board& b, float x, float y) {
    if (b.scala != 0) {
        const float scale = b.scala;
        const float across = x / scale - b.corpo1.left / scale;
        const float down = y / scale - b.corpo1.top / scale;
        b.Label28.text = "X= " + signed_text(across) + " , " + "Y= " + signed_text(down);
    }

    const double pointer = std::isfinite(y) ? round_to(y, 0) : y;  // an endless y reaches no list
    const auto circles = b.circles();
    const auto lists = b.bar_lists();
    for (int i = 0; i < 4; ++i) {
        if (!circles[i]->visible) continue;
        const float line = depth_line(*circles[i]);
        if (line - reach < pointer && pointer < line + reach) {
            lists[i]->visible = true;
            place_beside_circle(*lists[i], *circles[i], b.Shape7);
            return;
        }
    }
    b.hide_bar_lists();
}

void pointer_off_board(Board& b) {
    b.Label28.text = "(X=0,Y=0)";
    b.hide_bar_lists();
}

}  // namespace norvexa
