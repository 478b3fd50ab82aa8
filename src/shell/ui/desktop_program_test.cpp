// The desktop program from start to end, offscreen, with scripted questions and dialogs.
#include "shell/ui/desktop_program.h"

#include <chrono>
#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "common/line_file.h"
#include "common/program_folder.h"
#include "common/ui/twips.h"
#include "input/ui/form1_window.h"
#include "input/ui/form3_window.h"
#include "materials/material_files.h"
#include "scratch_folder.h"
#include "scripted_program.h"
#include "shell/main_menu.h"
#include "shell/startup.h"
#include "shell/ui/folder_window.h"
#include "shell/ui/main_window.h"
#include "report/ui/report_window_view.h"
#include "shell/ui/help_window_view.h"
#include "shell/ui/splash_window.h"

namespace norvexa {
namespace {

class Desktop : public testing::Test {
  protected:
    void make_library() {
        std::filesystem::create_directories(concrete_folder());
        std::filesystem::create_directories(steel_folder());
        write_material(reference_material(MaterialKind::concrete));
        write_material(reference_material(MaterialKind::steel));
    }
    // Starts the program as its splash's last tick does; a small screen's notice is
    // answered by the script.
    DesktopProgram& start(std::optional<std::filesystem::path> project = std::nullopt) {
        program_.emplace(std::move(project), DesktopProgram::Dialogs{&prompter, &files, &viewer, nullptr, &starter});
        program_->end = [this] { ++ended; };
        program_->attiva();
        if (QWidget* window = program_->main_window(); window && window->isVisible()) {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        return *program_;
    }
    MainWindow& main_window() { return *program_->main_window(); }
    Program& model() { return program_->program(); }
    std::vector<Message> messages_but_the_screen_notice() const {
        std::vector<Message> shown;
        for (const Message& m : prompter.shown)
            if (m.text != small_screen_message) shown.push_back(m);
        return shown;
    }
    void type(const char* field, const QString& text) {
        auto* box = main_window().input_form()->findChild<QComboBox*>(field);
        ASSERT_NE(box, nullptr) << field;
        box->setFocus();
        QTest::keyClicks(box->lineEdit(), text);
    }

    ScratchHome home;
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    RecordingViewer viewer;
    RecordingStarter starter;
    int ended = 0;

  private:
    std::optional<DesktopProgram> program_;
};

TEST_F(Desktop, StartsWithItsWindowsInPlaceAndTheTitleSelected) {
    make_library();
    DesktopProgram& program = start();
    MainWindow& window = main_window();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(program.splash()->isVisible());
    EXPECT_EQ(window.windowTitle(), "Senzanome.nvx[*]");
    EXPECT_FALSE(window.isWindowModified());

    QWidget* strip = window.title_strip()->parentWidget();
    QWidget* form = window.input_form()->parentWidget();
    EXPECT_EQ(strip->pos(), QPoint(0, 0));
    EXPECT_EQ(form->pos(), QPoint(0, 1035 / 15));
    EXPECT_EQ(window.analysis_window()->pos(), QPoint(form->width(), 1035 / 15));

    QLineEdit* title = window.title_strip()->title_field()->lineEdit();
    EXPECT_TRUE(title->hasFocus());
    EXPECT_EQ(title->selectedText(), "(TITOLO PROGETTO)");
    QTest::keyClicks(title, "Trave 1");
    EXPECT_EQ(model().title.text(), "Trave 1");
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_EQ(window.windowTitle(), "Senzanome.nvx[*]");  // the modified mark is the desktop's, not the name's
}

TEST_F(Desktop, StartRemovesTheTemporaryFileOfASaveStoppedEarlier) {
    make_library();
    const auto left = steel_folder() / ".norvexa-0a1b2c3d.tmp";
    put_bytes(left, "430\r\n");
    std::filesystem::last_write_time(left, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2));
    start();
    EXPECT_FALSE(std::filesystem::exists(left));
}

TEST_F(Desktop, MenusCarryTheirAccessLettersAndShortcutsAndAllWork) {
    make_library();
    start();
    MainWindow& window = main_window();
    EXPECT_EQ(window.menu_action("nuovo")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(window.menu_action("sconnome")->text(), "Sal&va con nome");
    EXPECT_EQ(window.menu_action("Relazione")->shortcut(), QKeySequence("F5"));
    std::vector<std::string> commands;
    for (const Menu& menu : main_menu()) {
        if (!menu.command.name.empty()) commands.push_back(menu.command.name);
        for (const MenuItem& item : menu.items)
            if (!item.name.empty()) commands.push_back(item.name);
    }
    for (const std::string& name : commands) EXPECT_TRUE(window.menu_action(name)->isEnabled()) << name;
}

TEST_F(Desktop, MissingLibraryShowsTheFolderWindowInstead) {
    start();
    ASSERT_NE(main_window().isEnabled(), true);
    FolderCreationWindow* folders = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "Cartelle" && widget->isVisible()) folders = static_cast<FolderCreationWindow*>(widget);
    ASSERT_NE(folders, nullptr);
    folders->findChild<QPushButton*>("OK")->click();
    EXPECT_TRUE(std::filesystem::is_regular_file(steel_folder() / "Feb 44 K"));
    EXPECT_EQ(messages_but_the_screen_notice().back().text, "Operazione riuscita; Riavviare il software");
    EXPECT_EQ(ended, 1);
}

TEST_F(Desktop, ProjectCommandsThroughTheMenusWithRealWidgets) {
    make_library();
    start();
    MainWindow& window = main_window();
    type("tb", "30");
    const auto path = home.path() / "trave.nvx";
    files.answer_next(path.string());
    window.menu_action("sav")->trigger();
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_EQ(window.windowTitle(), "trave.nvx[*]");
    EXPECT_FALSE(window.isWindowModified());

    window.menu_action("nuovo")->trigger();
    EXPECT_EQ(window.windowTitle(), "Senzanome.nvx[*]");
    EXPECT_EQ(window.input_form()->findChild<QComboBox*>("tb")->currentText(), "");

    files.answer_next(path.string());
    window.menu_action("apri")->trigger();
    EXPECT_EQ(window.windowTitle(), "trave.nvx[*]");
    EXPECT_EQ(window.input_form()->findChild<QComboBox*>("tb")->currentText(), "30");

    files.answer_next((home.path() / "copia.nvx").string());
    window.menu_action("sconnome")->trigger();
    EXPECT_EQ(window.windowTitle(), "copia.nvx[*]");
    EXPECT_EQ(files.shown.back().kind, ScriptedFileChooser::Kind::save);
}

TEST_F(Desktop, ExitQuestionFromTheMenuAndFromTheCloseBox) {
    make_library();
    start();
    MainWindow& window = main_window();
    type("tb", "30");
    const std::size_t before = prompter.shown.size();

    prompter.answer_next(Answer::cancel);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(prompter.shown.size(), before + 1);
    EXPECT_EQ(prompter.shown.back(), (Message{"Salvare le modifiche apportate a Senzanome.nvx?", Icon::none,
                                              Buttons::yes_no_cancel, "Chiusura di Norvexa"}));

    prompter.answer_next(Answer::cancel);
    window.menu_action("e")->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(model().form.control("tb").text, "30");

    // Yes saves through the dialog first; cancelling that dialog keeps the program.
    prompter.answer_next(Answer::yes);
    EXPECT_FALSE(window.close());
    EXPECT_EQ(files.shown.back().kind, ScriptedFileChooser::Kind::save);

    const auto path = home.path() / "uscita.nvx";
    prompter.answer_next(Answer::yes);
    files.answer_next(path.string());
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
}

TEST_F(Desktop, ExitWithoutChangesOrWithNoClosesAtOnce) {
    make_library();
    start();
    EXPECT_TRUE(main_window().close());
    EXPECT_TRUE(messages_but_the_screen_notice().empty());
}

TEST_F(Desktop, CloseBoxNoDiscardsTheChanges) {
    make_library();
    start();
    type("tb", "30");
    prompter.answer_next(Answer::no);
    EXPECT_TRUE(main_window().close());
}

TEST_F(Desktop, ProjectNamedOnTheCommandLineOpensAtStart) {
    make_library();
    const auto path = home.path() / "trave.nvx";
    {
        ScriptedPrompter quiet;
        ScriptedFileChooser chooser;
        FixedTextMeasure measure;
        HeadlessDesktop desktop(quiet, chooser, measure);
        Program saver(desktop);
        saver.load();
        saver.form.type("th", "50");
        chooser.answer_next(path.string());
        ASSERT_TRUE(saver.project.salva());
    }
    start(path);
    EXPECT_EQ(main_window().windowTitle(), "trave.nvx[*]");
    EXPECT_EQ(main_window().input_form()->findChild<QComboBox*>("th")->currentText(), "50");
    EXPECT_TRUE(messages_but_the_screen_notice().empty());
}

TEST_F(Desktop, ABadProjectOnTheCommandLineSaysSoAndStartsANewOne) {
    make_library();
    const auto path = home.path() / "rotto.nvx";
    ASSERT_TRUE(write_lines(path, {"non un progetto"}));
    start(path);
    EXPECT_EQ(messages_but_the_screen_notice().back().text, "File non valido");
    EXPECT_EQ(main_window().windowTitle(), "Senzanome.nvx[*]");
}

TEST_F(Desktop, CalculateAnswersF9FromAnywhere) {
    make_library();
    start();
    QTest::keyClick(main_window().title_strip()->title_field()->lineEdit(), Qt::Key_F9);
    ASSERT_FALSE(messages_but_the_screen_notice().empty());
    EXPECT_EQ(messages_but_the_screen_notice().back().title, "Attenzione");
    EXPECT_EQ(messages_but_the_screen_notice().back().text.rfind("Controllare dati", 0), 0u);
}

TEST_F(Desktop, ReportOpensOnlyAfterACalculationAndClosesWithANewProject) {
    make_library();
    start();
    MainWindow& window = main_window();
    window.menu_action("Relazione")->trigger();
    EXPECT_EQ(messages_but_the_screen_notice().back(),
              (Message{"Prima di visualizzare la relazione è necessario eseguire il calcolo", Icon::warning, Buttons::ok,
                       "Attenzione"}));
    EXPECT_EQ(window.child_view(ChildWindow::report), nullptr);

    enter_worked_example(model().form);
    model().calculate();
    QTest::keyClick(window.title_strip()->title_field()->lineEdit(), Qt::Key_F5);
    ASSERT_NE(window.child_view(ChildWindow::report), nullptr);
    EXPECT_EQ(window.child_view(ChildWindow::report)->parentWidget()->pos(), QPoint(to_pixels(2000), to_pixels(100)));
    EXPECT_NE(model().report.find("rtxt")->text.find("Asse neutro: x=cm 11,15"), std::string::npos);
    // "Aggiorna" shows the report written again, with the title as it is now.
    QLineEdit* title = window.title_strip()->title_field()->lineEdit();
    title->selectAll();
    QTest::keyClicks(title, "Trave B");
    window.child_view(ChildWindow::report)->findChild<QPushButton*>("CommandButton1")->click();
    EXPECT_NE(window.child_view(ChildWindow::report)->findChild<QTextEdit*>("rtxt")->toPlainText().toStdString().find("Trave B"),
              std::string::npos);

    prompter.answer_next(Answer::no);
    window.menu_action("nuovo")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.child_view(ChildWindow::report), nullptr);
}

TEST_F(Desktop, SettingsWindowConfirmsReloadingTheFormAndClosesWhenLeft) {
    make_library();
    start();
    MainWindow& window = main_window();
    type("tb", "30");
    window.menu_action("color")->trigger();
    ASSERT_NE(window.child_view(ChildWindow::settings), nullptr);
    auto* strip = window.child_view(ChildWindow::settings)->findChild<QComboBox*>("c1");
    ASSERT_NE(strip, nullptr);
    strip->setFocus();
    strip->lineEdit()->selectAll();
    QTest::keyClicks(strip->lineEdit(), "55");
    window.child_view(ChildWindow::settings)->findChild<QPushButton*>("Command7")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.child_view(ChildWindow::settings), nullptr);
    EXPECT_EQ(read_lines(settings_file()).value_or(std::vector<std::string>{}).at(4), " 40 ");
    EXPECT_EQ(model().form.control("tb").text, "");  // the input was reloaded, as the warning says
    EXPECT_EQ(model().form.control("sl1").value, 40);
    EXPECT_EQ(window.input_form()->findChild<QComboBox*>("tb")->currentText(), "");

    // Another window becoming active closes it without saving.
    window.menu_action("color")->trigger();
    ASSERT_NE(window.child_view(ChildWindow::settings), nullptr);
    // A list left holding too large a number shows the bound it takes.
    strip = window.child_view(ChildWindow::settings)->findChild<QComboBox*>("c1");
    strip->setFocus();
    strip->lineEdit()->selectAll();
    QTest::keyClicks(strip->lineEdit(), "99");
    window.child_view(ChildWindow::settings)->findChild<QPushButton*>("Command8")->setFocus();
    EXPECT_EQ(strip->currentText(), "40");
    window.area()->setActiveSubWindow(window.analysis_window());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.child_view(ChildWindow::settings), nullptr);
}

TEST_F(Desktop, OnlyTheViewsOfAModelThatChangedRedraw) {
    make_library();
    start();
    MainWindow& window = main_window();
    QLineEdit* title = window.title_strip()->title_field()->lineEdit();
    title->setText("scritto nel campo");  // past the model: only a redraw of the strip undoes it
    model().analysis.show_busy(true);
    model().form.type("tb", "31");
    window.refresh();
    EXPECT_EQ(title->text(), "scritto nel campo");
    EXPECT_EQ(static_cast<QComboBox*>(window.input_form()->control("tb"))->currentText(), "31");
    model().title.type_title("Trave 7");
    window.refresh();
    EXPECT_EQ(title->text(), "Trave 7");
}

TEST_F(Desktop, HelpLineReachesTheHelpWindowWhichF1Opens) {
    make_library();
    start();
    MainWindow& window = main_window();
    // The pointer entering a control of the input form.
    const auto hover = [&window](const char* control) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(window.input_form()->control(control), &enter);
    };
    hover("Command1");
    QTest::keyClick(window.title_strip()->title_field()->lineEdit(), Qt::Key_F1);
    ASSERT_TRUE(window.help_view()->isVisible());
    auto* line = window.help_view()->findChild<QLineEdit*>("lh");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), "Clikkare solo dopo aver inserito tutti i dati richiesti");
    hover("sl1");
    EXPECT_EQ(line->text().left(20), "Questo slider permet");
}

TEST_F(Desktop, CalculatorStartsOrSaysItIsMissing) {
    make_library();
    start();
    const ScopedVariable no_path("PATH", "");
    main_window().menu_action("calcolatrice")->trigger();
    EXPECT_TRUE(starter.started.empty());
    EXPECT_EQ(messages_but_the_screen_notice().back(),
              (Message{"Calcolatrice non disponibile", Icon::critical, Buttons::ok, "Attenzione"}));
}

TEST_F(Desktop, SplashClickStartsTheProgramAtOnce) {
    make_library();
    DesktopProgram program(std::nullopt, DesktopProgram::Dialogs{&prompter, &files});
    program.start();
    program.splash()->tick();
    QTest::mouseClick(program.splash(), Qt::LeftButton);
    ASSERT_NE(program.main_window(), nullptr);
    EXPECT_TRUE(program.main_window()->isVisible());
    EXPECT_FALSE(program.splash()->isVisible());
}

}  // namespace
}  // namespace norvexa
