#include "input/ui/form3_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "scratch_folder.h"
#include "shell/program.h"

namespace norvexa {
namespace {

// The title strip of a program, shown, active, with the input form's widgets beside it so
// that the focus has somewhere else to be.
class TitleStrip : public testing::Test {
  protected:
    void SetUp() override {
        other.setObjectName("other");
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QLineEdit* title_edit() const { return strip.title_field()->lineEdit(); }
    std::string shown() const { return strip.title_field()->currentText().toStdString(); }

    ScratchHome home;
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    FixedTextMeasure measure;
    HeadlessDesktop desktop{prompter, files, measure};
    Program program{desktop};
    QWidget window;
    Form3Window strip{program.title, [this] { strip.refresh(); }, &window};
    QLineEdit other{&window};
};

TEST_F(TitleStrip, ShowsTheTitleAndTheHeading) {
    EXPECT_EQ(shown(), "(TITOLO PROGETTO)");
    EXPECT_EQ(strip.findChild<QLabel*>("Label2")->text().toStdString(), "VERIFICA C.A. AGLI STATI LIMITE ULTIMI");
    EXPECT_EQ(strip.height(), 69);  // 1035 twips
}

TEST_F(TitleStrip, TypingTheTitleMarksTheProjectChanged) {
    EXPECT_FALSE(program.form.salvaconnome);
    QTest::mouseClick(title_edit(), Qt::LeftButton);
    QTest::keyClick(strip.title_field(), Qt::Key_End);
    QTest::keyClicks(strip.title_field(), " 1");
    EXPECT_EQ(program.title.text(), "(TITOLO PROGETTO) 1");
    EXPECT_EQ(shown(), "(TITOLO PROGETTO) 1");
    EXPECT_TRUE(program.form.salvaconnome);
}

TEST_F(TitleStrip, TypedTitleIsNotCompletedFromTheList) {
    program.title.find("Text1")->items = {"Trave 30x50", "Trave 40x60"};
    strip.refresh();
    QTest::mouseClick(title_edit(), Qt::LeftButton);
    QTest::keyClick(strip.title_field(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(strip.title_field(), "Tr");
    EXPECT_EQ(shown(), "Tr");
    EXPECT_EQ(title_edit()->selectedText().toStdString(), "");
    EXPECT_EQ(program.title.text(), "Tr");
}

TEST_F(TitleStrip, PickingATitleFromTheListTakesIt) {
    program.title.find("Text1")->items = {"Trave 30x50", "Trave 40x60"};
    strip.refresh();
    QComboBox* title = strip.title_field();
    title->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(title->view()->window()));
    const QPoint item = title->view()->visualRect(title->view()->model()->index(1, 0)).center();
    QTest::mouseClick(title->view()->viewport(), Qt::LeftButton, {}, item);
    EXPECT_EQ(program.title.text(), "Trave 40x60");
    EXPECT_EQ(shown(), "Trave 40x60");
    EXPECT_TRUE(program.form.salvaconnome);
}

TEST_F(TitleStrip, SelectingTheTitleGivesItTheFocusWithAllOfItSelected) {
    other.setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &other);
    program.title.select_title();
    strip.refresh();
    EXPECT_EQ(QApplication::focusWidget(), strip.title_field());
    EXPECT_EQ(title_edit()->selectedText().toStdString(), "(TITOLO PROGETTO)");
    // Typing then replaces the whole title.
    QTest::keyClicks(QApplication::focusWidget(), "Trave");
    EXPECT_EQ(program.title.text(), "Trave");
    // The selection is given once, not at every refresh.
    QTest::keyClicks(QApplication::focusWidget(), " A");
    EXPECT_EQ(program.title.text(), "Trave A");
}

TEST_F(TitleStrip, AClickInTheTitleSelectsAllOfIt) {
    other.setFocus();
    QTest::mouseClick(title_edit(), Qt::LeftButton, {}, QPoint(5, title_edit()->height() / 2));
    EXPECT_EQ(QApplication::focusWidget(), strip.title_field());
    EXPECT_EQ(title_edit()->selectedText().toStdString(), "(TITOLO PROGETTO)");
}

TEST_F(TitleStrip, TabMovesFromTheTitleToTheNextWindowsFirstField) {
    QTest::mouseClick(title_edit(), Qt::LeftButton);
    QTest::keyClick(strip.title_field(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &other);  // no next one set: the window's own order

    strip.set_next_in_tab_order(&other);
    other.setEnabled(false);
    QTest::mouseClick(title_edit(), Qt::LeftButton);
    QTest::keyClick(strip.title_field(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), strip.title_field());

    other.setEnabled(true);
    QTest::keyClick(strip.title_field(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &other);
    EXPECT_EQ(program.title.text(), "(TITOLO PROGETTO)");
}

}  // namespace
}  // namespace norvexa
