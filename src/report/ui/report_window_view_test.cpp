#include "report/ui/report_window_view.h"

#include <filesystem>
#include <memory>

#include <QApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include "common/ui/window_test_support.h"

#include "common/outside_viewer.h"
#include "common/program_folder.h"
#include "project_fixture.h"
#include "report/report_source.h"
#include "common/ui/file_dialogs.h"

namespace norvexa {
namespace {

// The report window of a program that has run the 30 x 50 example, loaded and shown.
class ReportView : public testing::Test, public ProjectSession {
  protected:
    ReportView() {
        enter_worked_example(form);
        form.Command1_Click();
        report.Form_Load(source(), prompter);
        view = std::make_unique<ReportWindowView>(
            report, [this] { return source(); }, prompter, report_files, viewer, [this] {
                ++refreshes;
                view->refresh();
            });
        report.close_window = [this] { view->close_window(); };
    }
    void SetUp() override {
        view->show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }
    ReportData source() { return report_data(title.text(), analysis); }
    template <typename Widget>
    Widget* child(const char* name) {
        auto* widget = view->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QAction* menu_item(const char* name) { return view->menu_bar()->findChild<QAction*>(name); }
    QString shown() const { return view->text_box()->toPlainText(); }

    ReportWindow report;
    ScriptedFileChooser report_files;
    RecordingViewer viewer;
    int refreshes = 0;
    std::unique_ptr<ReportWindowView> view;
};

TEST_F(ReportView, ShowsTheProgramsCaptionsAndTips) {
    EXPECT_EQ(view->objectName(), "relaz");
    EXPECT_EQ(view->windowTitle(), "Relazione");
    const std::tuple<const char*, const char*, const char*> buttons[] = {
        {"command1", "Salva...", "Salva Relazione come Rich Text Format"},
        {"CommandButton1", "Aggiorna", "Aggiorna Relazione"},
        {"Command2", "Chiudi", "Chiudi form Relazione"},
    };
    for (const auto& [name, text, tip] : buttons) {
        auto* button = child<QPushButton>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), text);
        EXPECT_EQ(button->toolTip(), tip);
    }
    auto* frame = child<QGroupBox>("Frame1");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), "Apri con...");
    EXPECT_TRUE(frame->isEnabled());
    for (const auto& [name, text] : {std::pair{"OLE1", "MICROSOFT WORD"}, {"OLE2", "BLOCCO NOTE"}}) {
        auto* icon = frame->findChild<QToolButton*>(name);
        ASSERT_NE(icon, nullptr) << name;
        EXPECT_EQ(icon->text(), text);
        EXPECT_EQ(icon->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_FALSE(icon->icon().isNull()) << name;
    }

    const QList<QAction*> menus = view->menu_bar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), "&Relazione");
    QStringList items;
    for (QAction* item : menus[0]->menu()->actions()) items << (item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(items, (QStringList{"&Aggiorna", "&Salva", "-", "Chiudi Relazione"}));
}

TEST_F(ReportView, TheBoxShowsTheReportInAMonospacedFontAndNeverKeepsTheFocus) {
    const QStringList lines = shown().split('\n');
    ASSERT_EQ(lines.size(), 69);
    EXPECT_EQ(lines[28], "Dimensioni: cm 30  x  cm 50");
    EXPECT_EQ(lines[50], "Mrd= KNm 146,1 > 100    *****  Flessione verificata  *****");
    QTextEdit* box = view->text_box();
    EXPECT_EQ(box->objectName(), "rtxt");
    EXPECT_EQ(box->font().families(), (QStringList{"Courier New", "Liberation Mono", "monospace"}));
    EXPECT_TRUE(QFontInfo(box->font()).fixedPitch());

    box->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), child<QPushButton>("command1"));

    // The mouse selects text; keys typed at the box change nothing.
    const QPoint start = box->cursorRect(box->document()->find("Dimensioni")).center();
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, start - QPoint(40, 0));
    QTest::mouseMove(box->viewport(), start + QPoint(40, 0));
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, start + QPoint(40, 0));
    EXPECT_FALSE(box->textCursor().selectedText().isEmpty());
    EXPECT_NE(QApplication::focusWidget(), box);
    QTest::keyClicks(box, "x");
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(shown().toStdString(), report.find("rtxt")->text);
}

TEST_F(ReportView, AggiornaWritesTheReportAgainFromTheProgramAsItIsNow) {
    QScrollBar* down = view->text_box()->verticalScrollBar();
    ASSERT_GT(down->maximum(), 0);
    down->setValue(down->maximum() / 2);
    const int scrolled = down->value();

    title.type_title("Trave aggiornata");
    QTest::mouseClick(child<QPushButton>("CommandButton1"), Qt::LeftButton);
    EXPECT_EQ(shown().split('\n')[2], "Trave aggiornata");
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(down->value(), scrolled);
    EXPECT_NE(file_bytes(report_text_file()).find("Trave aggiornata"), std::string::npos);

    title.type_title("Trave dal menu");
    menu_item("aggiorna")->trigger();
    EXPECT_EQ(shown().split('\n')[2], "Trave dal menu");
    EXPECT_EQ(refreshes, 2);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ReportView, SalvaSavesTheReportWhereTheUserChooses) {
    const auto by_button = file("dal bottone.rtf"), by_menu = file("dal menu.txt");
    report_files.answer_next(by_button.string());
    report_files.answer_next(by_menu.string());
    QTest::mouseClick(child<QPushButton>("command1"), Qt::LeftButton);
    menu_item("salva")->trigger();
    ASSERT_EQ(report_files.shown.size(), 2u);
    EXPECT_EQ(report_files.shown[0].dialog.filter, "Rich Text Format (*.rtf)|*.rtf|File di testo (*.txt)|*.txt");
    const std::string rich = file_bytes(report_rich_text_file());
    EXPECT_TRUE(rich.starts_with("{\\rtf"));
    EXPECT_EQ(file_bytes(by_button), rich);
    EXPECT_EQ(file_bytes(by_menu), file_bytes(report_text_file()));

    const auto nowhere = (home.path() / "manca" / "r.rtf").string();
    report_files.answer_next(nowhere);
    QTest::mouseClick(child<QPushButton>("command1"), Qt::LeftButton);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Impossibile salvare la relazione: " + nowhere);
}

TEST_F(ReportView, TheIconsOpenTheFilesInTheirViewersOncePerDoubleClick) {
    QTest::mouseClick(child<QToolButton>("OLE1"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>("OLE2"), Qt::LeftButton);
    EXPECT_EQ(viewer.opened, (std::vector<std::filesystem::path>{report_rich_text_file(), report_text_file()}));

    // The double-click as the desktop delivers it: two presses and releases at once.
    viewer.opened.clear();
    QToolButton* word = child<QToolButton>("OLE1");
    QTest::mouseDClick(view->windowHandle(), Qt::LeftButton, {}, word->mapTo(view.get(), word->rect().center()));
    EXPECT_EQ(viewer.opened, (std::vector<std::filesystem::path>{report_rich_text_file()}));
}

TEST(ReportViewBeforeAReport, TheViewersFrameIsDisabled) {
    ReportWindow report;
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    RecordingViewer viewer;
    AnalysisInput input;
    AnalysisResults results;
    ReportWindowView view{report, [&] { return ReportData{"", input, results, {}, false}; }, prompter, files, viewer,
                          nullptr};
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_FALSE(view.findChild<QGroupBox*>("Frame1")->isEnabled());
    QTest::mouseClick(view.findChild<QToolButton*>("OLE2"), Qt::LeftButton);
    EXPECT_TRUE(viewer.opened.empty());
}

TEST_F(ReportView, ChiudiClosesTheWindowOrItsChildWindow) {
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_FALSE(view->isVisible());
    view->show();
    menu_item("chiudi")->trigger();
    EXPECT_FALSE(view->isVisible());

    QMdiArea area;
    QMdiSubWindow* holder = area.addSubWindow(view.get());
    area.show();
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    ASSERT_TRUE(holder->isVisible());
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_FALSE(holder->isVisible());
    view->setParent(nullptr);  // the fixture owns the view
}

TEST(ReportSaveDialog, IsTitledAndFilteredAsTheReportWindowSays) {
    const ReportWindow report;
    DialogFileChooser chooser{nullptr, report.dialog_title, OverwriteQuestion::dialog};
    QString title, filters;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    when_dialog_shows([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        filters = dialog.nameFilters().join(";;");
        mode = dialog.acceptMode();
        dialog.reject();
    });
    EXPECT_EQ(chooser.choose_save(report.CommonDialog1), std::nullopt);
    EXPECT_EQ(title, "relazione:");
    EXPECT_EQ(filters, "Rich Text Format (*.rtf);;File di testo (*.txt)");
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
}

}  // namespace
}  // namespace norvexa
