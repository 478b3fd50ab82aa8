#include "drawing/board_svg.h"

#include <gtest/gtest.h>

namespace norvexa {
namespace {

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(BoardSvg, DrawsOnlyWhatTheWindowShowsAndTheBarListsOfDrawnLayers) {
    Board board;
    EXPECT_EQ(count(board_svg(board), "<circle"), 0u);
    EXPECT_EQ(count(board_svg(board), "<line"), 0u);

    board.still1.visible = board.still3.visible = true;
    board.still1.left = 100;
    board.still1.width = board.still1.height = 280;
    board.listar1.text = "n°2Ø16 + n°3Ø20  =cmq <10,05> & più";
    board.listar3.text = "terzo";
    board.listar2.text = "secondo";
    board.linex.visible = true;
    board.corpo1.visible = true;
    board.corpo1.border = true;
    const std::string svg = board_svg(board);
    EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
    EXPECT_EQ(count(svg, "<circle"), 2u);
    EXPECT_NE(svg.find("<circle cx=\"240\" cy=\"140\" r=\"140\" fill=\"none\" stroke=\"#ff0000\""), std::string::npos);
    EXPECT_NE(svg.find(">n°2Ø16 + n°3Ø20  =cmq &lt;10,05&gt; &amp; più</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find(">terzo</text>"), std::string::npos);
    EXPECT_EQ(svg.find("secondo"), std::string::npos);
    EXPECT_EQ(count(svg, "<line"), 1u);
    EXPECT_EQ(count(svg, "stroke=\"#000000\""), 4u);  // the body, the axis and the two bar lists
}

}  // namespace
}  // namespace norvexa
