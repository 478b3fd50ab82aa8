#include "shell/print_dress.h"

namespace norvexa {
namespace {

float shift(const BoardElement& list) { return list.width / 2 + 200; }

}  // namespace

PrintDress::PrintDress(AnalysisWindow& window, const std::string& title) : window_(window) {
    Board& board = window_.board;
    board.sf.text = title;
    board.sf.visible = true;
    board.Label43.visible = false;
    const auto lists = board.bar_lists();
    for (int i = 0; i < 4; ++i)
        if (window_.input.a[i] != 0) lists[i]->visible = true;
    for (BoardElement* list : lists) {
        list->left -= shift(*list);
        list->filled = false;
        list->border = false;
    }
    window_.board_changed();
}

PrintDress::~PrintDress() {
    Board& board = window_.board;
    board.sf.visible = false;
    board.sf.text = Board().sf.text;
    for (BoardElement* list : board.bar_lists()) {
        list->visible = false;
        list->left += shift(*list);
        list->filled = true;
        list->border = true;
    }
    board.Label43.visible = true;
    window_.board_changed();
}

}  // namespace norvexa
