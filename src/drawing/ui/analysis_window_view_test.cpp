#include "drawing/ui/analysis_window_view.h"

#include <QApplication>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include "analysis/field_map.h"
#include "drawing/ui/board_view.h"
#include "drawing/ui/result_panel.h"
#include "scratch_folder.h"

namespace norvexa {
namespace {

using Fields = std::initializer_list<std::pair<const char*, const char*>>;

class AnalysisView : public testing::Test {
  protected:
    void run(const Fields& fields, bool tee = false) {
        FieldMap form = FieldMap::with_start_values();
        for (const auto& [name, text] : fields) form.set_text(name, text);
        if (tee) {
            form.set_value("t", 1);
            form.set_value("rett", 0);
            form.set_value("Check5", 0);
        }
        ScriptedPrompter prompter;
        model.variabili(form, prompter);
        view.refresh();
        ASSERT_TRUE(prompter.shown.empty()) << prompter.shown.front().text;
    }
    QRectF item_rect(const char* name) const {
        return static_cast<QGraphicsRectItem*>(view.board()->item(name))->rect();
    }
    QString result(const char* name) const { return view.panel()->result(name)->text(); }

    ScratchHome home;
    AnalysisWindow model;
    AnalysisWindowView view{model, QApplication::font()};
};

TEST_F(AnalysisView, TheWorkedRectangleSitsWhereTheModelPutsIt) {
    EXPECT_FALSE(view.panel()->isVisibleTo(&view));
    run({{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"}, {"TMS", "100"}, {"TVS", "100"}, {"nbr", "2"},
         {"dst", "8"}, {"passo", "10"}, {"ast", "10,05"}});
    EXPECT_EQ(item_rect("corpo1"), QRectF(2452.5, 562.5, 2430, 4050));
    EXPECT_TRUE(view.board()->item("still1")->isVisible());
    EXPECT_FALSE(view.board()->item("still2")->isVisible());
    EXPECT_TRUE(view.panel()->isVisibleTo(&view));
    EXPECT_EQ(result("lx"), "11,15");
    EXPECT_EQ(result("lm"), "146,1");
    EXPECT_EQ(result("vf"), "Flessione verificata");
    EXPECT_EQ(result("lvrd3"), "220,46");
    EXPECT_EQ(result("lvtaglio"), "Taglio verificato");
    EXPECT_TRUE(view.panel()->findChild<QWidget*>("Frame3")->isVisibleTo(&view));
    EXPECT_TRUE(view.panel()->findChild<QWidget*>("fas1")->isVisibleTo(&view));
    EXPECT_FALSE(view.panel()->findChild<QWidget*>("fas2")->isVisibleTo(&view));
}

TEST_F(AnalysisView, OutdatedResultsStayWithTheNoticeAndGreyedVerdicts) {
    const Fields worked{{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"}, {"TMS", "100"}, {"TVS", "100"},
                        {"nbr", "2"}, {"dst", "8"}, {"passo", "10"}, {"ast", "10,05"}};
    run(worked);
    QLabel* notice = view.panel()->findChild<QLabel*>("outdated");
    QLabel* verdict = view.panel()->result("vf");
    const QColor current = verdict->palette().color(QPalette::WindowText);
    EXPECT_FALSE(notice->isVisibleTo(&view));

    FieldMap changed = FieldMap::with_start_values();
    for (const auto& [name, text] : worked) changed.set_text(name, text);
    changed.set_text("TMS", "200");
    model.compare_inputs(changed);
    view.refresh();
    EXPECT_TRUE(notice->isVisibleTo(&view));
    EXPECT_EQ(notice->text(), "Risultati non aggiornati: premere Calcola (F9)");
    EXPECT_EQ(result("vf"), "Flessione verificata");  // kept, greyed
    for (const char* name : {"vf", "lvtaglio"})
        EXPECT_NE(view.panel()->result(name)->palette().color(QPalette::WindowText), current) << name;

    run(worked);
    EXPECT_FALSE(notice->isVisibleTo(&view));
    EXPECT_EQ(verdict->palette().color(QPalette::WindowText), current);
}

TEST_F(AnalysisView, TheBoardTakesTheRoomThePanelLeavesWithItsProportions) {
    run({{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"}, {"TMS", "100"}, {"TVS", "100"}, {"nbr", "2"},
         {"dst", "8"}, {"passo", "10"}, {"ast", "10,05"}});
    view.show();
    const QSize natural = view.sizeHint();
    const struct {
        QSize size;
        double least, most;
    } cases[] = {
        {natural, 1, 1},
        {natural - QSize(0, 150), 0.5, 0.75},  // lower: the board gives up what the panel keeps
        {natural - QSize(300, 0), 0.5, 0.5},   // far narrower: half size, the rest scrolls
        {natural * 3, 2, 2},                   // larger: at most twice
    };
    for (const auto& c : cases) {
        view.resize(c.size);
        QApplication::processEvents();
        const double scale = view.board()->scale();
        EXPECT_GE(scale, c.least) << c.size.width() << "x" << c.size.height();
        EXPECT_LE(scale, c.most) << c.size.width() << "x" << c.size.height();
        EXPECT_NEAR(view.board()->width() / double(view.board()->height()), 7335.0 / 5175, 0.01);
    }
}

TEST_F(AnalysisView, TheTeeShowsItsOutlineAndHidesTheShearBlockWhenOff) {
    run({{"tb", "100"}, {"th", "20"}, {"tb2", "30"}, {"th2", "60"}, {"ta1", "20"}, {"td1", "75"}, {"TMS", "300"}},
        true);
    for (const char* line : {"LB1", "LB2", "LH1S", "LH1D", "LB1S", "LB1D", "LH2S", "LH2D"})
        EXPECT_TRUE(view.board()->item(line)->isVisible()) << line;
    EXPECT_EQ(model.board.scala, 40);
    EXPECT_EQ(item_rect("corpo2").size(), QSizeF(30 * 40, 60 * 40));
    EXPECT_FALSE(view.panel()->findChild<QWidget*>("Frame3")->isVisibleTo(&view));
}

TEST_F(AnalysisView, PointerMovesGiveTheReadOutAndTheHover) {
    run({{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"}, {"TMS", "100"}, {"TVS", "100"}, {"nbr", "2"},
         {"dst", "8"}, {"passo", "10"}, {"ast", "10,05"}});
    BoardView* board = view.board();
    int refreshed = 0;
    board->after = [&] {
        ++refreshed;
        view.refresh();
    };
    view.resize(view.sizeHint());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    // 10 cm right of and 5 cm below the section's corner: 81 units a centimetre.
    const QPointF corner = item_rect("corpo1").topLeft();
    const QPoint at = board->mapFromScene(corner + QPointF(10 * 81, 5 * 81));
    QTest::mouseMove(board->viewport(), at);
    EXPECT_EQ(refreshed, 1);
    const auto* readout = static_cast<QGraphicsRectItem*>(board->item("Label28"));
    const auto texts = readout->childItems();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(static_cast<QGraphicsSimpleTextItem*>(texts.front())->text(), "X=  10 , Y=  5");

    const float line = model.board.listar1.top;
    QTest::mouseMove(board->viewport(), board->mapFromScene(QPointF(1000, line)));
    EXPECT_TRUE(board->item("listar1")->isVisible());
    QTest::mouseMove(board->viewport(), board->mapFromScene(QPointF(1000, line - 600)));
    EXPECT_FALSE(board->item("listar1")->isVisible());
}

TEST_F(AnalysisView, LeavingTheBoardStraightOutOfTheWindowHidesTheListAndResetsTheReadOut) {
    run({{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"}, {"TMS", "100"}, {"TVS", "100"}, {"nbr", "2"},
         {"dst", "8"}, {"passo", "10"}, {"ast", "10,05"}});
    BoardView* board = view.board();
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QTest::mouseMove(board->viewport(), board->mapFromScene(QPointF(1000, model.board.listar1.top)));
    ASSERT_TRUE(board->item("listar1")->isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(board, &leave);
    EXPECT_FALSE(board->item("listar1")->isVisible());
    EXPECT_EQ(model.board.Label28.text, "(X=0,Y=0)");
}

}  // namespace
}  // namespace norvexa
