#include "project/project_commands.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "project_fixture.h"

namespace norvexa {
namespace {

using Kind = ScriptedFileChooser::Kind;

class ProjectCommandsTest : public testing::Test, public ProjectSession {
  protected:
    std::string stored_width(const char* name) {
        const auto lines = read_lines(file(name));
        return lines && lines->size() > 6 ? (*lines)[6] : "(nessun file)";
    }
    Message save_first_question(const char* window = "Attenzione") const {
        return {"Salvare le modifiche apportate a " + commands.title_bar + "?", Icon::none, Buttons::yes_no_cancel,
                window};
    }
    // Saves through the dialog into a file that does not exist yet.
    void save_as(const char* name) {
        files.answer_next(file(name).string());
        ASSERT_TRUE(commands.salva_con_nome());
    }
    void expect_state(const std::string& bar, const std::string& dialog, bool changed) {
        EXPECT_EQ(commands.title_bar, bar);
        EXPECT_EQ(commands.CommonDialog1.file_name, dialog);
        EXPECT_EQ(form.salvaconnome, changed);
    }
};

TEST_F(ProjectCommandsTest, TheFourStatesOfTitleBarAndFileName) {
    expect_state("Senzanome.nvx", "", false);
    enter("tb", "30");
    expect_state("Senzanome.nvx", "", true);
    save_as("trave.nvx");
    expect_state("trave.nvx", file("trave.nvx").string(), false);
    enter("tb", "35");
    expect_state("trave.nvx", file("trave.nvx").string(), true);
}

TEST_F(ProjectCommandsTest, SaveAsksForAFileOnceThenWritesWithoutQuestions) {
    enter("tb", "30");
    form.Toolbar_ButtonClick(1, 4);  // the tool bar's save button, answered by a cancel
    ASSERT_EQ(files.shown.size(), 1u);
    EXPECT_EQ(files.shown[0].kind, Kind::save);
    EXPECT_EQ(files.shown[0].dialog, (FileDialog{"", project_filter}));
    expect_state("Senzanome.nvx", "Senzanome.nvx", true);

    // The bare title-bar name of a project without a file still leads to the dialog.
    files.answer_next(file("trave.nvx").string());
    EXPECT_TRUE(commands.salva());
    EXPECT_EQ(files.shown.size(), 2u);
    EXPECT_EQ(files.shown[1].dialog.file_name, "Senzanome.nvx");
    enter("tb", "40");
    EXPECT_TRUE(commands.salva());
    EXPECT_EQ(files.shown.size(), 2u);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(stored_width("trave.nvx"), "40");
}

TEST_F(ProjectCommandsTest, SaveAsOnAnExistingFileAsksBeforeOverwriting) {
    enter("tb", "30");
    save_as("altra.nvx");
    enter("tb", "45");
    save_as("trave.nvx");
    enter("tb", "50");

    const std::string existing = file("altra.nvx").string();
    files.answer_next(existing);
    prompter.answer_next(Answer::no);
    EXPECT_FALSE(commands.salva_con_nome());
    EXPECT_EQ(files.shown.back().dialog.file_name, "");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0],
              (Message{"Sovrascrivere il file " + existing + "?", Icon::none, Buttons::yes_no, "Salva con nome"}));
    EXPECT_EQ(stored_width("altra.nvx"), "30");
    expect_state("trave.nvx", existing, true);

    // The refused name stays chosen: a plain save now writes there without asking.
    EXPECT_TRUE(commands.salva());
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(stored_width("altra.nvx"), "50");
    EXPECT_EQ(stored_width("trave.nvx"), "45");
    expect_state("altra.nvx", existing, false);

    files.answer_next(file("trave.nvx").string());
    prompter.answer_next(Answer::yes);
    EXPECT_TRUE(commands.salva_con_nome());
    EXPECT_EQ(stored_width("trave.nvx"), "50");
}

TEST_F(ProjectCommandsTest, ANameWithoutExtensionIsSavedAsTyped) {
    save_as("trave");
    EXPECT_TRUE(std::filesystem::exists(file("trave")));
    EXPECT_FALSE(std::filesystem::exists(file("trave.nvx")));
    EXPECT_EQ(commands.title_bar, "trave");
}

TEST_F(ProjectCommandsTest, ATitleTheFileCannotHoldIsSavedOnlyWhenTheUserAgrees) {
    title.type_title("Trave Ω漢");
    const Message question{"Il titolo del progetto contiene il carattere «Ω» (U+03A9), che il file di progetto non può "
                           "contenere: sarà salvato come «?». Salvare comunque?",
                           Icon::warning, Buttons::yes_no, "Attenzione"};
    files.answer_next(file("trave.nvx").string());
    prompter.answer_next(Answer::no);
    EXPECT_FALSE(commands.salva_con_nome());
    EXPECT_EQ(prompter.shown, std::vector<Message>{question});
    EXPECT_FALSE(std::filesystem::exists(file("trave.nvx")));
    EXPECT_TRUE(form.salvaconnome);

    files.answer_next(file("trave.nvx").string());
    prompter.answer_next(Answer::yes);
    EXPECT_TRUE(commands.salva_con_nome());
    const auto lines = read_lines(file("trave.nvx"));
    ASSERT_TRUE(lines);
    EXPECT_EQ((*lines)[1], "Trave ??");
}

TEST_F(ProjectCommandsTest, AWriteErrorKeepsTheChangesUnsaved) {
    enter("tb", "30");
    files.answer_next(file("manca/trave.nvx").string());
    EXPECT_FALSE(commands.salva());
    EXPECT_EQ(prompter.shown.back(), (Message{"File non valido", Icon::critical, Buttons::ok, "Attenzione"}));
    EXPECT_EQ(commands.title_bar, "Senzanome.nvx");
    EXPECT_TRUE(form.salvaconnome);
}

TEST_F(ProjectCommandsTest, OpenAsksToSaveFirstAndCancelStopsIt) {
    enter("tb", "30");
    save_as("trave.nvx");
    enter("tb", "35");

    prompter.answer_next(Answer::cancel);
    form.Toolbar_ButtonClick(1, 3);
    EXPECT_EQ(prompter.shown.back(), save_first_question());
    EXPECT_EQ(files.shown.size(), 1u);
    EXPECT_EQ(form.control("tb").text, "35");
    EXPECT_TRUE(form.salvaconnome);

    // No discards the changes; a cancelled open dialog then leaves everything as it was.
    prompter.answer_next(Answer::no);
    commands.apri();
    ASSERT_EQ(files.shown.size(), 2u);
    EXPECT_EQ(files.shown[1].kind, Kind::open);
    EXPECT_EQ(files.shown[1].dialog, (FileDialog{file("trave.nvx").string(), project_filter}));
    EXPECT_EQ(form.control("tb").text, "35");

    prompter.answer_next(Answer::no);
    files.answer_next(file("trave.nvx").string());
    commands.apri();
    EXPECT_EQ(form.control("tb").text, "30");
    EXPECT_FALSE(form.salvaconnome);

    // Yes saves to the project's own file before the dialog.
    enter("tb", "55");
    prompter.answer_next(Answer::yes);
    commands.apri();
    EXPECT_EQ(stored_width("trave.nvx"), "55");
    EXPECT_EQ(files.shown.size(), 4u);
}

TEST_F(ProjectCommandsTest, NewStartsOverAndKeepsThePreviousTitle) {
    int reports_closed = 0;
    commands.close_report = [&] { ++reports_closed; };
    title.type_title("Trave A");
    for (const char* name : {"tb", "th", "ta1", "td1", "TMS"}) enter(name, name == std::string("tb") ? "30" : "50");
    form.Command1_Click();
    prompter.shown.clear();

    prompter.answer_next(Answer::no);
    form.Toolbar_ButtonClick(1, 2);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(form.control("tb").text, "");
    EXPECT_EQ(form.control("con1").text, "C 25-30");
    EXPECT_EQ(analysis.results.lx.text, "");
    EXPECT_EQ(reports_closed, 1);
    EXPECT_EQ(title.text(), "(TITOLO PROGETTO)");
    EXPECT_EQ(title.find("Text1")->items.back(), "Trave A");
    EXPECT_TRUE(title.has_focus());
    EXPECT_EQ(title.sel_start(), 0);
    EXPECT_EQ(title.sel_length(), 100);
    expect_state("Senzanome.nvx", "", false);

    // Without changes there is no question.
    commands.nuovo();
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(title.find("Text1")->items.back(), "(TITOLO PROGETTO)");
}

TEST_F(ProjectCommandsTest, NewWithYesSavesFirstAndStopsWhenTheSaveDoes) {
    enter("tb", "30");
    prompter.answer_next(Answer::yes);
    commands.nuovo();  // untitled: the dialog is shown and cancelled
    ASSERT_EQ(files.shown.size(), 1u);
    EXPECT_EQ(files.shown[0].dialog.file_name, "Senzanome.nvx");
    EXPECT_EQ(form.control("tb").text, "30");
    expect_state("Senzanome.nvx", "Senzanome.nvx", true);

    prompter.answer_next(Answer::yes);
    files.answer_next(file("trave.nvx").string());
    commands.nuovo();
    EXPECT_EQ(stored_width("trave.nvx"), "30");
    EXPECT_EQ(form.control("tb").text, "");
    expect_state("Senzanome.nvx", "", false);

    // A titled project is written to its own file without a dialog.
    enter("tb", "20");
    save_as("titled.nvx");
    enter("tb", "65");
    prompter.answer_next(Answer::yes);
    commands.nuovo();
    EXPECT_EQ(files.shown.size(), 3u);
    EXPECT_EQ(stored_width("titled.nvx"), "65");
    EXPECT_EQ(form.control("tb").text, "");
}

TEST_F(ProjectCommandsTest, ExitAsksWithItsOwnTitle) {
    EXPECT_TRUE(commands.ESCI());
    EXPECT_TRUE(prompter.shown.empty());

    enter("tb", "30");
    prompter.answer_next(Answer::cancel);
    EXPECT_FALSE(commands.ESCI());
    EXPECT_EQ(prompter.shown.back(), save_first_question("Chiusura di Norvexa"));
    prompter.answer_next(Answer::yes);
    EXPECT_FALSE(commands.ESCI());  // the save dialog is cancelled: nothing would be saved
    prompter.answer_next(Answer::no);
    EXPECT_TRUE(commands.ESCI());
    EXPECT_TRUE(form.salvaconnome);

    prompter.answer_next(Answer::yes);
    files.answer_next(file("trave.nvx").string());
    EXPECT_TRUE(commands.ESCI());
    EXPECT_EQ(stored_width("trave.nvx"), "30");
}

}  // namespace
}  // namespace norvexa
