#include "drawing/board.h"

#include "common/settings_file.h"

namespace norvexa {
namespace {

using Kind = BoardElement::Kind;

constexpr Colour pale_red = layer_tints[0];

BoardElement element(Kind kind, bool visible = false) {
    BoardElement e;
    e.kind = kind;
    e.visible = visible;
    return e;
}

BoardElement filled(Kind kind, Colour colour, bool visible = false) {
    BoardElement e = element(kind, visible);
    e.filled = true;
    e.back = colour;
    return e;
}

BoardElement placed(BoardElement e, float left, float top, float width, float height) {
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    return e;
}

}  // namespace

Board::Board() {
    const DisplaySettings design;
    corpo1 = element(Kind::rectangle);
    corpo2 = element(Kind::rectangle);
    trat1 = filled(Kind::rectangle, design.concrete);
    trat2 = filled(Kind::rectangle, design.concrete);
    for (BoardElement* line : outline()) *line = element(Kind::line);
    linex = element(Kind::line);
    for (BoardElement* label : dimension_texts()) *label = filled(Kind::label, pale_red);
    for (int i = 0; i < 4; ++i) {
        BoardElement& list = *bar_lists()[i];
        list = filled(Kind::label, layer_tints[i]);
        list.border = true;
        list.left = bar_list_left;
        BoardElement& circle = *circles()[i];
        circle = element(Kind::circle);
        circle.fore = layer_colours[i];
        *layer_blocks()[i] = placed(element(Kind::frame, true), 0, 360.0f * static_cast<float>(i), 0, 0);
        BoardElement& caption = *layer_captions()[i];
        caption = element(Kind::label, true);
        caption.text = "As" + std::to_string(i + 1) + " :";
        caption.fore = layer_colours[i];
    }
    Shape7 = placed(element(Kind::rectangle, true), 120, 120, 7095, 4935);
    Shape7.border = true;
    Shape7.fore = rgb(128, 128, 128);
    Label28 = placed(element(Kind::label, true), 240, 4800, 1500, 195);
    Label28.text = "(X=0,Y=0)";
    Label28.fore = rgb(64, 64, 64);
    sf = placed(element(Kind::label), 240, 120, 6825, 195);
    sf.text = "Elaborazione in corso...";
    Label43 = filled(Kind::rectangle, design.line, true);
    Label43 = placed(Label43, 7230, 120, 30, 4935);

    Frame1 = element(Kind::frame);
    fc = element(Kind::frame);
    Shape10 = filled(Kind::rectangle, design.concrete, true);
    Frame3 = element(Kind::frame, true);
    Frame6 = filled(Kind::frame, design.line, true);
}

void Board::hide_bar_lists() {
    for (BoardElement* list : bar_lists()) list->visible = false;
}

std::vector<std::pair<const char*, const BoardElement*>> Board::elements() const {
    return {{"Shape7", &Shape7},   {"trat1", &trat1},     {"trat2", &trat2},     {"corpo1", &corpo1},
            {"corpo2", &corpo2},   {"LB1", &LB1},         {"LB2", &LB2},         {"LH1S", &LH1S},
            {"LH1D", &LH1D},       {"LB1S", &LB1S},       {"LB1D", &LB1D},       {"LH2S", &LH2S},
            {"LH2D", &LH2D},       {"linex", &linex},     {"still1", &still1},   {"still2", &still2},
            {"still3", &still3},   {"still4", &still4},   {"Label1", &Label1},   {"Label2", &Label2},
            {"Label3", &Label3},   {"Label4", &Label4},   {"listar1", &listar1}, {"listar2", &listar2},
            {"listar3", &listar3}, {"listar4", &listar4}, {"Label28", &Label28}, {"Label43", &Label43}, {"sf", &sf},
            {"Frame1", &Frame1},   {"fas1", &fas1},       {"fas2", &fas2},       {"fas3", &fas3},
            {"fas4", &fas4},       {"Label5", &Label5},   {"Label6", &Label6},   {"Label7", &Label7},
            {"Label8", &Label8},   {"fc", &fc},           {"Shape10", &Shape10}, {"Frame3", &Frame3},
            {"Frame6", &Frame6}};
}

}  // namespace norvexa
