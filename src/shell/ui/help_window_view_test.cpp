#include "shell/ui/help_window_view.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextTable>

#include <gtest/gtest.h>

#include "common/program_folder.h"
#include "common/ui/twips.h"
#include "scratch_folder.h"

namespace norvexa {
namespace {

namespace fs = std::filesystem;

constexpr const char* manual_text =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20{\\b\\fs32 Introduzione}\\par "
    "Norvexa verifica la sezione {\\i in c.a.}\\par"
    "\\trowd\\cellx3000\\cellx6000\\intbl Grandezza\\cell Valore\\cell\\row\\intbl x\\cell 11,15 cm\\cell\\row"
    "\\pard Fine.\\par}";

void send_move(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// The help window of a program whose main window holds an input window 400 pixels wide
// at its left and an analysis window beside it.
class HelpView : public testing::Test {
  protected:
    HelpView() : help(line), view(help, [this] { ++refreshes; }, &main) {
        main.setGeometry(0, 0, 667, 800);
        input.setParent(&main);
        input.setGeometry(0, 69, 400, 500);
        analysis.setParent(&main);
        analysis.setGeometry(400, 69, 260, 500);
        main.show();
    }

    ScratchHome home;
    HelpLine line;
    HelpWindow help;
    QWidget main;
    QWidget input, analysis;
    HelpWindowView view;
    int refreshes = 0;
};

TEST_F(HelpView, IsBuiltHiddenWithItsControlsAndTheBuiltInTexts) {
    EXPECT_FALSE(view.isVisible());
    EXPECT_TRUE(view.isWindow());
    EXPECT_EQ(view.objectName(), "help");
    EXPECT_EQ(view.windowTitle(), "Help");
    EXPECT_EQ(view.findChild<QLabel*>("Label1")->text(), "Manuale norvexa");
    EXPECT_EQ(view.close_button()->text(), "Chiudi");
    ASSERT_EQ(view.menu_bar()->actions().size(), 1);
    EXPECT_EQ(view.menu_bar()->actions()[0]->text(), "Guida");
    EXPECT_EQ(view.findChild<QAction*>("ch")->text(), "Chiudi guida");
    EXPECT_EQ(view.manual()->toPlainText(), "(MANUALE SOFTWARE NON TROVATO)");
    EXPECT_TRUE(view.manual()->isReadOnly());
    EXPECT_TRUE(view.help_line()->isReadOnly());
    EXPECT_EQ(view.help_line()->text(), HelpWindow::lh_start_text);
}

TEST_F(HelpView, SovrapponiShowsTheManualFormattedOverTheAnalysisWindow) {
    std::ofstream(manual_file(), std::ios::binary) << manual_text;
    view.guidanon(main, analysis);
    ASSERT_TRUE(view.isVisible());
    EXPECT_EQ(view.pos(), QPoint(main.mapToGlobal(analysis.pos()).x(), main.frameGeometry().top()));
    EXPECT_EQ(view.frameGeometry().height(), to_pixels(11520));
    EXPECT_EQ(main.width(), 667);

    QTextDocument* document = view.manual()->document();
    const QTextBlock heading = document->firstBlock();
    EXPECT_EQ(heading.text(), "Introduzione");
    EXPECT_EQ(heading.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(heading.begin().fragment().charFormat().fontPointSize(), 16);
    const QTextBlock body = heading.next();
    EXPECT_EQ(body.text(), "Norvexa verifica la sezione in c.a.");
    bool italic_seen = false;
    for (auto it = body.begin(); !it.atEnd(); ++it)
        if (it.fragment().text() == "in c.a.") italic_seen = it.fragment().charFormat().fontItalic();
    EXPECT_TRUE(italic_seen);
    QTextCursor at_table(body.next());
    QTextTable* table = at_table.currentTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 2);
    EXPECT_EQ(table->cellAt(1, 1).firstCursorPosition().block().text(), "11,15 cm");
    EXPECT_TRUE(view.manual()->toPlainText().endsWith("Fine."));
}

TEST_F(HelpView, AManualOpenedAgainShowsItsBeginning) {
    std::string manual = "{\\rtf1\\ansi ";
    for (int i = 0; i < 500; ++i) manual += "Riga " + std::to_string(i) + "\\par ";
    std::ofstream(manual_file(), std::ios::binary) << manual << "}";
    view.guidanon(main, analysis);
    QScrollBar* scroll = view.manual()->verticalScrollBar();
    view.manual()->moveCursor(QTextCursor::End);
    ASSERT_GT(scroll->value(), 0);

    view.close_button()->click();
    view.guidanon(main, analysis);
    EXPECT_EQ(view.manual()->textCursor().position(), 0);
    EXPECT_EQ(scroll->value(), 0);
}

TEST_F(HelpView, AffiancaNarrowsTheMainWindowAndPutsTheHelpBesideTheInputWindow) {
    view.guida(main, input, analysis);
    ASSERT_TRUE(view.isVisible());
    EXPECT_EQ(main.frameGeometry().width(), to_pixels(7445));
    EXPECT_EQ(view.pos(), QPoint(main.frameGeometry().left() + to_pixels(to_twips(400) + 100), main.frameGeometry().top()));
    EXPECT_EQ(view.frameGeometry().height(), to_pixels(11520));
    EXPECT_EQ(view.manual()->toPlainText(), "(MANUALE SOFTWARE NON TROVATO)");
}

TEST_F(HelpView, ShowsTheHelpLineAndItsOwnPointerResetsIt) {
    line.set("Inserire sollecitazioni di progetto. ");  // a hover elsewhere while the help is closed
    view.guidanon(main, analysis);
    EXPECT_EQ(view.help_line()->text(), "Inserire sollecitazioni di progetto. ");

    send_move(view.help_line(), QPoint(5, 5));  // over the help line itself: no reset
    EXPECT_EQ(line.text(), "Inserire sollecitazioni di progetto. ");
    send_move(view.manual()->viewport(), QPoint(20, 20));
    EXPECT_EQ(view.help_line()->text(), HelpWindow::lh_start_text);

    line.set("Clikkare solo dopo aver inserito tutti i dati richiesti");
    view.refresh();
    EXPECT_EQ(view.help_line()->text(), "Clikkare solo dopo aver inserito tutti i dati richiesti");
    QPoint background(view.width() - 2, view.height() - 2);
    ASSERT_EQ(view.childAt(background), nullptr);
    send_move(&view, background);
    EXPECT_EQ(view.help_line()->text(), HelpWindow::lh_start_text);
    EXPECT_GT(refreshes, 0);
}

TEST_F(HelpView, NeitherTheHelpLineNorTheManualKeepsTheFocus) {
    view.guidanon(main, analysis);
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    for (QWidget* reader : {static_cast<QWidget*>(view.help_line()), static_cast<QWidget*>(view.manual())}) {
        view.help_line()->clearFocus();
        reader->setFocus(Qt::MouseFocusReason);
        EXPECT_TRUE(view.close_button()->hasFocus()) << reader->objectName().toStdString();
    }
}

TEST_F(HelpView, ChiudiTheMenuAndTheCloseBoxCloseIt) {
    view.guidanon(main, analysis);
    QTest::mouseClick(view.close_button(), Qt::LeftButton);
    EXPECT_FALSE(view.isVisible());
    EXPECT_FALSE(help.is_loaded());

    view.guidanon(main, analysis);
    view.findChild<QAction*>("ch")->trigger();
    EXPECT_FALSE(view.isVisible());
    EXPECT_FALSE(help.is_visible());

    view.guidanon(main, analysis);
    view.close();
    EXPECT_FALSE(view.isVisible());
    EXPECT_FALSE(help.is_visible());
    view.guidanon(main, analysis);
    EXPECT_TRUE(view.isVisible());
}

}  // namespace
}  // namespace norvexa
