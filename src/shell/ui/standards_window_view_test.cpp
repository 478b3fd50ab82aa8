#include "shell/ui/standards_window_view.h"

#include <filesystem>
#include <fstream>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "common/ui/message_box.h"
#include "common/ui/window_test_support.h"
#include "common/version.h"
#include "scratch_folder.h"
#include "shell/ui/info_window_view.h"

namespace norvexa {
namespace {

namespace fs = std::filesystem;

void double_click(QWidget* widget) {
    const QPoint at = widget->rect().center();
    QMouseEvent event(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// An MDI area with another child window, where the standards and information windows
// open as the main window opens them.
class ChildWindows : public testing::Test {
  protected:
    ChildWindows() {
        area.resize(1000, 700);
        other = area.addSubWindow(new QWidget);
        other->setObjectName("other");
        standards_child = area.addSubWindow(standards_view = new StandardsWindowView(standards, viewer, prompter, nullptr));
        standards_child->setAttribute(Qt::WA_DeleteOnClose, false);
        info_child = area.addSubWindow(info_view = new InfoWindowView(info, nullptr));
        info_child->setAttribute(Qt::WA_DeleteOnClose, false);
        area.show();
        other->show();
        standards_child->hide();
        info_child->hide();
        area.activateWindow();
    }
    void SetUp() override { ASSERT_TRUE(QTest::qWaitForWindowActive(&area)); }

    ScratchHome home;
    RecordingViewer viewer;
    ScriptedPrompter prompter;
    StandardsWindow standards;
    InfoWindow info;
    QMdiArea area;
    QMdiSubWindow* other;
    StandardsWindowView* standards_view;
    QMdiSubWindow* standards_child;
    InfoWindowView* info_view;
    QMdiSubWindow* info_child;
};

TEST_F(ChildWindows, StandardsShowsItsGroupsAndGreysTheMissingDocuments) {
    std::ofstream(home.path() / "EC2 PARTE 1.PDF") << "%PDF";
    standards_view->open();
    ASSERT_TRUE(standards_child->isVisible());
    EXPECT_EQ(area.activeSubWindow(), standards_child);
    EXPECT_EQ(standards_view->windowTitle(), "NORMATIVA");
    EXPECT_EQ(standards_view->findChild<QGroupBox*>("Frame1")->title(), "D.M. 09/01/'96");
    EXPECT_EQ(standards_view->findChild<QGroupBox*>("Frame2")->title(), "EUROCODICE 2");
    EXPECT_EQ(standards_view->icon(0)->parentWidget()->objectName(), "Frame1");
    EXPECT_EQ(standards_view->icon(4)->parentWidget()->objectName(), "Frame2");
    EXPECT_EQ(standards_view->icon(0)->text(), "DM 09 Gennaio 1996");
    EXPECT_FALSE(standards_view->icon(0)->isEnabled());
    EXPECT_EQ(standards_view->icon(0)->toolTip().toStdString(),
              "Documento non presente: " + (home.path() / "DM 09 GENNAIO 1996.PDF").string());
    EXPECT_TRUE(standards_view->icon(1)->isEnabled());
    EXPECT_EQ(standards_view->icon(1)->text(), "EC2 parte 1");

    double_click(standards_view->icon(0));
    EXPECT_TRUE(viewer.opened.empty());
    double_click(standards_view->icon(1));
    QTest::keyClick(standards_view->icon(1), Qt::Key_Return);
    EXPECT_EQ(viewer.opened, (std::vector<fs::path>(2, home.path() / "EC2 PARTE 1.PDF")));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ChildWindows, StandardsClosesOnChiudiAndWhenAnotherWindowIsActivated) {
    standards_view->open();
    QTest::mouseClick(standards_view->close_button(), Qt::LeftButton);
    EXPECT_FALSE(standards_child->isVisible());
    EXPECT_FALSE(standards.is_visible());

    standards_view->open();
    ASSERT_TRUE(standards_child->isVisible());
    area.setActiveSubWindow(other);
    EXPECT_FALSE(standards_child->isVisible());
    EXPECT_FALSE(standards.is_visible());

    standards_view->open();
    standards_child->close();  // the child window's own close box
    EXPECT_FALSE(standards.is_visible());
    standards_view->open();
    EXPECT_TRUE(standards_child->isVisible());
}

TEST_F(ChildWindows, ReturningFromAnotherProgramKeepsTheStandardsWindow) {
    standards_view->open();
    QWidget viewer_window;  // the document's viewer, in front for a while
    viewer_window.show();
    viewer_window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer_window));
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    EXPECT_TRUE(standards_child->isVisible());
    EXPECT_EQ(area.activeSubWindow(), standards_child);
    EXPECT_TRUE(standards.is_visible());
}

TEST_F(ChildWindows, InformationShowsItsTextsAndClosesOnOkOrAnotherWindow) {
    info_view->open();
    ASSERT_TRUE(info_child->isVisible());
    const QString release = QString("NORVEXA rel ") + program_version;
    EXPECT_EQ(info_view->windowTitle(), release);
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"}) {
        const auto* label = info_view->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_FALSE(label->text().isEmpty()) << name;
    }
    EXPECT_EQ(info_view->findChild<QLabel*>("Label1")->text(), release);
    QTest::mouseClick(info_view->ok_button(), Qt::LeftButton);
    EXPECT_FALSE(info_child->isVisible());
    EXPECT_FALSE(info.is_visible());

    info_view->open();
    area.setActiveSubWindow(other);
    EXPECT_FALSE(info_child->isVisible());
    EXPECT_FALSE(info.is_visible());
}

TEST_F(ChildWindows, AMessageBoxDoesNotCloseTheStandardsWindow) {
    std::ofstream(home.path() / "EC2 PARTE 2.PDF") << "%PDF";
    viewer.succeeds = false;
    MessageBoxPrompter boxes(&area);
    auto* view = new StandardsWindowView(standards, viewer, boxes, nullptr);
    QMdiSubWindow* child = area.addSubWindow(view);
    child->setAttribute(Qt::WA_DeleteOnClose, false);
    view->open();
    ModalAnswerer answerer;
    double_click(view->icon(2));
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0].text,
              "Nessun programma disponibile per aprire " + (home.path() / "EC2 PARTE 2.PDF").string());
    EXPECT_TRUE(child->isVisible());
    EXPECT_TRUE(standards.is_visible());
}

}  // namespace
}  // namespace norvexa
