#pragma once

#include <array>
#include <utility>
#include <vector>

#include "drawing/board_element.h"

namespace norvexa {

// The drawing board TAVOLA of the analysis window, with the result-panel frames the
// drawing places and shows. Board elements are in board units (twips from the board's
// top-left corner, y downward); the panel frames in units of their own container.
struct Board {
    static constexpr float width = 7335;   // W
    static constexpr float height = 5175;  // Hb
    static constexpr float bar_list_left = 3600;  // the bar lists' left edge until one is shown

    Board();

    short scala = 0;  // board units per cm of section; 0 until the first drawing

    BoardElement corpo1, corpo2;  // flange (or whole rectangle), web
    BoardElement trat1, trat2;    // compressed zone in the flange and in the web
    BoardElement LB1, LB2, LH1S, LH1D, LB1S, LB1D, LH2S, LH2D;  // T outline
    BoardElement linex;                                       // neutral axis
    BoardElement Label1, Label2, Label3, Label4;              // dimension texts B1, H1, B2, H2
    BoardElement listar1, listar2, listar3, listar4;          // bar lists, shown on hover
    BoardElement still1, still2, still3, still4;              // one circle per layer
    BoardElement Shape7;   // frame of the drawing area
    BoardElement Label28;  // pointer read-out
    BoardElement sf;       // busy banner
    BoardElement Label43;  // vertical rule at the board's right edge; hidden on paper

    // Result panel.
    BoardElement Frame1;                  // the panel, shown after the first drawing
    BoardElement fas1, fas2, fas3, fas4;  // layer result blocks
    BoardElement Label5, Label6, Label7, Label8;  // their "As1 :".."As4 :" captions
    BoardElement fc;       // concrete result block
    BoardElement Shape10;  // its concrete-colour swatch
    BoardElement Frame3;   // shear results
    BoardElement Frame6;   // the window's outer band

    bool operator==(const Board&) const = default;

    std::array<BoardElement*, 4> bar_lists() { return {&listar1, &listar2, &listar3, &listar4}; }
    void hide_bar_lists();
    std::array<BoardElement*, 4> circles() { return {&still1, &still2, &still3, &still4}; }
    std::array<BoardElement*, 4> layer_blocks() { return {&fas1, &fas2, &fas3, &fas4}; }
    std::array<BoardElement*, 4> layer_captions() { return {&Label5, &Label6, &Label7, &Label8}; }
    std::array<BoardElement*, 8> outline() { return {&LB1, &LB2, &LH1S, &LH1D, &LB1S, &LB1D, &LH2S, &LH2D}; }
    std::array<BoardElement*, 4> dimension_texts() { return {&Label1, &Label2, &Label3, &Label4}; }

    // Every element by name: the board's in drawing order (back to front), then the panel's.
    std::vector<std::pair<const char*, const BoardElement*>> elements() const;
};

}  // namespace norvexa
