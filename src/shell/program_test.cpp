#include "shell/program.h"

#include <gtest/gtest.h>

#include "project_fixture.h"
#include "shell/main_menu.h"

namespace norvexa {
namespace {

TEST(MainMenu, ItemsInTheirOrderWithAccessLettersAndShortcuts) {
    const auto& menus = main_menu();
    std::vector<std::string> captions;
    for (const Menu& menu : menus) captions.push_back(menu.command.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"&File", "Fi&nestra", "&Materiali", "&Relazione", "&Calcolatrice",
                                                  "&Guida", "&Normativa", "&About"}));
    const Menu& file = menus[0];
    ASSERT_EQ(file.items.size(), 10u);
    EXPECT_EQ(file.items[3].caption, "Sal&va con nome");
    EXPECT_EQ(file.items[4].shortcut, "Ctrl+P");
    EXPECT_EQ(file.items[5].caption, "Esporta P&DF...");
    EXPECT_TRUE(file.items[6].name.empty());
    EXPECT_EQ(menus[3].command.shortcut, "F5");
    EXPECT_EQ(menus[5].items[0].shortcut, "F1");
    EXPECT_EQ(menus[6].items[0].caption, "&EC2    D.M. 09/01/96");
}

class ProgramTest : public testing::Test, public ProjectSession {};

TEST_F(ProgramTest, MenuCommandsReachTheProjectCommands) {
    for (const char* name : {"nuovo", "apri", "sav", "sconnome", "cls", "acc", "e"})
        EXPECT_TRUE(program.menu_enabled(name)) << name;
    for (const char* name : {"printis", "color", "Relazione", "calcolatrice", "sov", "guida", "dm96", "info"})
        EXPECT_FALSE(program.menu_enabled(name)) << name;

    enter("tb", "30");
    const unsigned long before = program.revision();
    files.answer_next(file("a.nvx").string());
    EXPECT_TRUE(program.run_menu("sconnome"));
    EXPECT_EQ(program.title_bar(), "a.nvx");
    EXPECT_FALSE(program.modified());
    EXPECT_NE(program.revision(), before);
    EXPECT_FALSE(program.run_menu("printis"));
}

TEST_F(ProgramTest, ExitAsksWhenChangedAndQuitsUnlessCancelled) {
    const int& quits = desktop.quits;
    EXPECT_TRUE(program.ESCI());
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(prompter.shown.empty());

    enter("tb", "30");
    prompter.answer_next(Answer::cancel);
    EXPECT_FALSE(program.ESCI());
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(prompter.shown.back(),
              (Message{"Salvare le modifiche apportate a Senzanome.nvx?", Icon::none, Buttons::yes_no_cancel,
                       "Chiusura di Norvexa"}));
    EXPECT_EQ(form.control("tb").text, "30");
    prompter.answer_next(Answer::no);
    EXPECT_TRUE(program.ESCI());
    EXPECT_EQ(quits, 2);
}

TEST_F(ProgramTest, CalculateRunsTheAnalysisAndLeavesTheBusyLabelHidden) {
    enter_worked_example(form);
    program.calculate();
    EXPECT_EQ(analysis.results.vf.text, "Flessione verificata");
    EXPECT_FALSE(analysis.board.sf.visible);
    EXPECT_EQ(form.control("Command1").back, colours::button_face);
}

}  // namespace
}  // namespace norvexa

namespace norvexa {
namespace {

// Every window built on the window model, with the input form's layers 2 to 4, its web
// sizes and its stirrups switched off and both libraries open in browse mode.
class EveryWindow : public testing::Test, public ProjectSession {
  protected:
    EveryWindow() {
        form.click("Check5");
        program.steel_library.show();
        program.concrete_library.show();
        program.settings.Form_Load();
    }
    std::vector<WindowModel*> windows() {
        return {&form, &program.steel_library, &program.concrete_library, &program.settings, &program.help_window,
                &program.information, &program.standards, &program.report, &program.title};
    }
};

TEST_F(EveryWindow, AControlThatIsNotUsableRefusesEveryEventAlike) {
    int refused_controls = 0;
    for (WindowModel* window : windows()) {
        for (const ControlRow& row : window->rows()) {
            if (window->usable(row.name)) continue;
            ++refused_controls;
            const Control before = *row.control;
            const bool any = window->type(row.name, "5") || window->leave(row.name) ||
                             window->choose(row.name, row.control->items.empty() ? "5" : row.control->items.back()) ||
                             window->click(row.name) || window->double_click(row.name) || window->press(row.name) ||
                             window->release(row.name) || window->move_slider(row.name, 2) ||
                             window->show_page(row.name, 0) || window->tool(row.name, 2);
            EXPECT_FALSE(any) << row.name;
            EXPECT_EQ(*row.control, before) << row.name;
        }
    }
    EXPECT_GT(refused_controls, 30);
}

TEST_F(EveryWindow, AWindowThatChangesBumpsOnlyItsOwnRevision) {
    for (WindowModel* changed : windows()) {
        std::vector<unsigned long> before;
        for (WindowModel* window : windows()) before.push_back(window->revision());
        changed->pointer_over(changed->rows().front().name);
        for (std::size_t i = 0; i < before.size(); ++i)
            EXPECT_EQ(windows()[i]->revision() != before[i], windows()[i] == changed) << i;
    }
}

}  // namespace
}  // namespace norvexa
