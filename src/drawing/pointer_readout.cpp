#include "drawing/pointer_readout.h"

#include <string>

#include "common/arithmetic_fault.h"
#include "common/numbers.h"

namespace norvexa {
namespace {

constexpr float reach = 50;

// A whole number with a blank in place of the plus sign: " 10", "-3".
std::string signed_text(double value) {
    const long long whole = static_cast<long long>(round_to(value, 0));
    return whole < 0 ? std::to_string(whole) : " " + std::to_string(whole);
}

}  // namespace

void pointer_over_board(Board& b, float x, float y) {
    if (b.scala != 0) {
        const float scale = b.scala;
        const double across = single(x / scale - b.corpo1.left / scale);
        const double down = single(y / scale - b.corpo1.top / scale);
        b.Label28.text = "X= " + signed_text(across) + " , " + "Y= " + signed_text(down);
    }

    const double pointer = round_to(y, 0);
    const auto circles = b.circles();
    const auto lists = b.bar_lists();
    for (int i = 0; i < 4; ++i) {
        if (!circles[i]->visible) continue;
        const float line = lists[i]->top;
        if (line - reach < pointer && pointer < line + reach) {
            lists[i]->visible = true;
            return;
        }
    }
    for (BoardElement* list : lists) list->visible = false;
}

void pointer_off_board(Board& b) { b.Label28.text = "(X=0,Y=0)"; }

}  // namespace norvexa
