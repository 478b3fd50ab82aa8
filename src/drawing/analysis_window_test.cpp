#include "drawing/analysis_window.h"

#include <cmath>

#include <gtest/gtest.h>

#include "analysis/field_map.h"
#include "common/line_file.h"
#include "common/program_folder.h"
#include "scratch_folder.h"
#include "common/settings_file.h"

namespace norvexa {
namespace {

float right(const BoardElement& e) { return e.left + e.width; }
float bottom(const BoardElement& e) { return e.top + e.height; }
bool overlap(const BoardElement& a, const BoardElement& b) {
    return a.left < right(b) && b.left < right(a) && a.top < bottom(b) && b.top < bottom(a);
}
bool within(const BoardElement& e, const BoardElement& frame) {
    return e.left >= frame.left && right(e) <= right(frame) && e.top >= frame.top && bottom(e) <= bottom(frame);
}

class AnalysisWindowTest : public testing::Test {
  protected:
    // The 30 × 50 section, scale 81, corpo1 at (2452,5; 562,5), with layers at the
    // given depths (cm); each layer has that area of steel (cm²).
    void run(const std::vector<const char*>& depths, const char* area = "2") {
        FieldMap form = FieldMap::with_start_values();
        for (const auto& [name, text] : {std::pair{"tb", "30"}, {"th", "50"}, {"TMS", "10"}}) form.set_text(name, text);
        form.set_value("Check5", 0);
        form.set_text("strati", "N° " + std::to_string(depths.size()) + " Strati barre");
        for (std::size_t i = 0; i < depths.size(); ++i) {
            form.set_text("ta" + std::to_string(i + 1), area);
            form.set_text("td" + std::to_string(i + 1), depths[i]);
        }
        ScriptedPrompter prompter;
        window.variabili(form, prompter);
        ASSERT_TRUE(prompter.shown.empty()) << prompter.shown.front().text;
        ASSERT_EQ(window.board.scala, 81);
    }
    // The pointer at (x, y) cm from the section's top-left corner.
    void point_at(double x, double y) {
        window.TAVOLA_MouseMove(0, 0, static_cast<float>(2452.5 + 81 * x), static_cast<float>(562.5 + 81 * y));
    }
    void move_to_board_y(float y) { window.TAVOLA_MouseMove(0, 0, 100, y); }
    std::vector<bool> shown_lists() {
        std::vector<bool> shown;
        for (const BoardElement* list : window.board.bar_lists()) shown.push_back(list->visible);
        return shown;
    }

    ScratchHome home;
    AnalysisWindow window;
};

TEST_F(AnalysisWindowTest, ReadOutInWholeCentimetresFromTheSectionCorner) {
    window.TAVOLA_MouseMove(1, 0, 3000, 3000);
    EXPECT_EQ(window.board.Label28.text, "(X=0,Y=0)");  // nothing drawn yet

    run({"46"});
    point_at(10, 5);
    EXPECT_EQ(window.board.Label28.text, "X=  10 , Y=  5");
    point_at(-2.2, 60);
    EXPECT_EQ(window.board.Label28.text, "X= -2 , Y=  60");
    window.TAVOLA_MouseMove(0, 0, 3e38f, -INFINITY);
    EXPECT_EQ(window.board.Label28.text, "X=  1000000000 , Y= -1000000000");
    window.TAVOLA_MouseMove(0, 0, NAN, NAN);
    EXPECT_EQ(window.board.Label28.text, "X=  0 , Y=  0");
    window.FRAMEZ_MouseMove();
    EXPECT_EQ(window.board.Label28.text, "(X=0,Y=0)");
}

TEST_F(AnalysisWindowTest, BarListShowsWithinFiftyUnitsOfItsDepthLine) {
    run({"45,5"});  // a depth line on a whole unit, 4248
    const float line = window.board.listar1.top;
    ASSERT_FLOAT_EQ(line, 4248);
    for (const auto& [offset, shown] : {std::pair{-50.0f, false}, {-49.0f, true}, {49.0f, true}, {50.0f, false},
                                        {0.0f, true}, {300.0f, false}}) {
        move_to_board_y(line + offset);
        EXPECT_EQ(window.board.listar1.visible, shown) << offset;
    }
}

TEST_F(AnalysisWindowTest, HoverTakesTheLowerLayerAndLeavesOthersShown) {
    // Lines 0,5 cm = 40,5 units apart: the bands overlap.
    run({"40", "40,5", "20"});
    const auto lists = window.board.bar_lists();
    move_to_board_y(lists[1]->top - 10);
    EXPECT_EQ(shown_lists(), (std::vector<bool>{true, false, false, false}));
    move_to_board_y(lists[1]->top + 45);
    EXPECT_EQ(shown_lists(), (std::vector<bool>{true, true, false, false}));
    move_to_board_y(lists[2]->top);
    EXPECT_EQ(shown_lists(), (std::vector<bool>{true, true, true, false}));
    move_to_board_y(10);
    EXPECT_EQ(shown_lists(), (std::vector<bool>{false, false, false, false}));
}

TEST_F(AnalysisWindowTest, AHiddenCircleNeverShowsItsList) {
    run({"46", "20"});
    window.board.still2.visible = false;
    move_to_board_y(window.board.listar2.top);
    EXPECT_FALSE(window.board.listar2.visible);
}

TEST_F(AnalysisWindowTest, AShownListStandsClearOfItsCircleInsideTheFrame) {
    enum class Side { right, above, below };
    // Layer 2 is pointed at, below a layer at 46 cm.
    const struct {
        const char* depth;
        const char* area;  // "2,000000" makes the list too wide for the room right of the circle
        Side side;
    } cases[] = {{"20", "2", Side::right},
                 {"2", "2", Side::right},
                 {"40", "2,000000", Side::above},  // towards the section's middle
                 {"2", "2,000000", Side::below}};
    for (const auto& c : cases) {
        run({"46", c.depth}, c.area);
        const BoardElement &list = window.board.listar2, &circle = window.board.still2;
        const float line = circle.top + circle.height / 2;
        move_to_board_y(line);
        ASSERT_TRUE(list.visible) << c.depth;
        EXPECT_TRUE(within(list, window.board.Shape7)) << c.depth;
        EXPECT_FALSE(overlap(list, circle)) << c.depth;
        switch (c.side) {
            case Side::right:
                EXPECT_GT(list.left, right(circle)) << c.depth;
                EXPECT_NEAR(list.top + list.height / 2, line, 0.01) << c.depth;
                break;
            case Side::above: EXPECT_LT(bottom(list), circle.top) << c.depth; break;
            case Side::below: EXPECT_GT(list.top, bottom(circle)) << c.depth; break;
        }
    }
}

TEST_F(AnalysisWindowTest, AListGoesWithTheReadOutAndOnEveryNewRun) {
    run({"46"});
    point_at(10, 46);
    ASSERT_TRUE(window.board.listar1.visible);
    window.FRAMEZ_MouseMove();
    EXPECT_FALSE(window.board.listar1.visible);
    point_at(10, 46);
    ASSERT_TRUE(window.board.listar1.visible);
    run({"46"});
    EXPECT_FALSE(window.board.listar1.visible);
}

TEST_F(AnalysisWindowTest, PaperPutsTheListsOfSteelByTheirCirclesHidesTheReadOutThenRestoresAll) {
    run({"46", "4"});
    point_at(10, 4);  // a read-out and a shown list, as the pointer left them
    const Board before = window.board;
    ASSERT_TRUE(before.listar2.visible);
    window.put_on_paper_dress("Trave 7");
    Board& paper = window.board;
    EXPECT_FALSE(paper.Label28.visible);
    for (int i = 0; i < 4; ++i) {
        const BoardElement &list = *paper.bar_lists()[i], &circle = *paper.circles()[i];
        EXPECT_EQ(list.visible, i < 2) << i;
        if (!list.visible) continue;
        EXPECT_TRUE(within(list, paper.Shape7)) << i;
        EXPECT_FALSE(overlap(list, circle)) << i;
    }
    window.take_off_paper_dress();
    EXPECT_EQ(window.board, before);
}

TEST_F(AnalysisWindowTest, LoadTakesItsColoursFromTheSettingsFile) {
    window.Form_Load(1200, 4800);
    EXPECT_FLOAT_EQ(window.top, 1200);
    EXPECT_FLOAT_EQ(window.left, 4800);
    const DisplaySettings design;
    EXPECT_EQ(window.board.trat1.back, design.concrete);
    EXPECT_EQ(window.board.Frame6.back, design.line);

    ASSERT_TRUE(write_lines(settings_file(), {" 255 ", " 1 ", " 2 ", " 65280 "}));
    window.Form_Load(0, 0);
    for (const BoardElement* e : {&window.board.trat1, &window.board.trat2, &window.board.Shape10})
        EXPECT_EQ(e->back, 255u);
    EXPECT_EQ(window.board.Frame6.back, 65280u);

    AnalysisWindow fresh;
    ASSERT_TRUE(write_lines(settings_file(), {" 255 ", " 1 ", "rosso", " 65280 "}));
    fresh.Form_Load(0, 0);
    EXPECT_EQ(fresh.board.trat1.back, design.concrete);
    EXPECT_EQ(fresh.board.Frame6.back, design.line);
}

TEST_F(AnalysisWindowTest, ReloadEmptiesTheBoardAndReadsTheColoursAgain) {
    run({"46"});
    window.Form_Load(1200, 4800);
    ASSERT_TRUE(write_lines(settings_file(), {" 255 ", " 1 ", " 2 ", " 65280 "}));
    window.reload();
    EXPECT_EQ(window.board.trat1.back, 255u);
    EXPECT_FLOAT_EQ(window.left, 4800);
    EXPECT_EQ(window.board.scala, 0);
    EXPECT_FALSE(window.board.Frame1.visible || window.board.corpo1.visible);
    EXPECT_EQ(window.results.lx.text, "");
}

}  // namespace
}  // namespace norvexa
