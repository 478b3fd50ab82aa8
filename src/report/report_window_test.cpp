#include "report/report_window.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>

#include <gtest/gtest.h>

#include "common/outside_viewer.h"
#include "common/program_folder.h"
#include "scratch_folder.h"

namespace norvexa {
namespace {

class ReportWindowTest : public testing::Test {
  protected:
    ReportWindowTest() { input.a[0] = 942, input.D[0] = 460; }
    void calculus() { window.CALCULUS({"Trave ε", input, results, {"n°2Ø16", "", "", ""}, false}, prompter); }

    ScratchHome home;
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    ReportWindow window;
    AnalysisInput input;
    AnalysisResults results;
};

TEST_F(ReportWindowTest, WritesBothFilesAndShowsTheTextFileInTheBox) {
    EXPECT_FALSE(window.find("Frame1")->enabled);
    const ScopedVariable missing_folder{"NORVEXA_HOME", (home.path() / "nuova").c_str()};
    calculus();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_TRUE(window.find("Frame1")->enabled);

    const auto text = file_bytes(home.path() / "nuova" / "relazionetemp.txt");
    EXPECT_TRUE(text.starts_with("\r\n\r\nTrave ?\r\n\r\n---"));
    EXPECT_NE(text.find("\r\nAs1: n\xB0" "2\xD8" "16; d1=cm 46\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("assistenza@norvexa.it    \r\n"));
    // The box holds the file as read back: the character the code page lacks is a '?'.
    EXPECT_TRUE(window.find("rtxt")->text.starts_with("\n\nTrave ?\n\n---"));
    EXPECT_NE(window.find("rtxt")->text.find("\nAs1: n°2Ø16; d1=cm 46\n"), std::string::npos);
    EXPECT_TRUE(window.find("rtxt")->text.ends_with("\nPer informazioni: assistenza@norvexa.it    "));

    const auto rich = file_bytes(home.path() / "nuova" / "relazionetempword.rtf");
    EXPECT_TRUE(rich.starts_with("{\\rtf1"));
    EXPECT_NE(rich.find("\\par\r\nAs1: n\\'b02\\'d816; d1=cm 46\\par\r\n"), std::string::npos);
}

TEST_F(ReportWindowTest, AnyFailureTellsTheUserAndEmptiesTheBox) {
    const auto file = home.path() / "file";
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"text file is a folder", [] { std::filesystem::create_directory(report_text_file()); }},
        {"rich-text file is a folder", [] { std::filesystem::create_directory(report_rich_text_file()); }},
        {"program folder under a file", [&] {
             std::ofstream(file) << "x";
             setenv("NORVEXA_HOME", (file / "norvexa").c_str(), 1);
         }},
        {"size beyond printing", [this] { input.b = std::numeric_limits<float>::infinity(); }},
    };
    for (const auto& [what, spoil] : cases) {
        const ScopedVariable restored_afterwards{"NORVEXA_HOME", home.path().c_str()};
        window.find("rtxt")->text = "relazione precedente";
        spoil();
        calculus();
        ASSERT_EQ(prompter.shown.size(), 1u) << what;
        EXPECT_EQ(prompter.shown[0], (Message{"Problemi di connessione con microsoft word o notepad. Per aggiornare/"
                                              "visualizzare la relazione chiudere il file in microsoft word/notepad",
                                              Icon::critical, Buttons::ok, "Attenzione"}));
        EXPECT_EQ(window.find("rtxt")->text, "") << what;
        prompter.shown.clear();
        input.b = 0;
        for (const char* name : {"relazionetemp.txt", "relazionetempword.rtf", "file"})
            std::filesystem::remove_all(home.path() / name);
    }
}

TEST_F(ReportWindowTest, LoadingPlacesTheWindowAndWritesTheReport) {
    window.Form_Load({"Trave", input, results, {"n°2Ø16", "", "", ""}, false}, prompter);
    EXPECT_EQ(window.top, 100);
    EXPECT_EQ(window.left, 2000);
    EXPECT_TRUE(window.find("Frame1")->enabled);
    EXPECT_TRUE(window.find("rtxt")->text.starts_with("\n\nTrave\n"));
    EXPECT_TRUE(std::filesystem::exists(report_rich_text_file()));
}

TEST_F(ReportWindowTest, SavingWritesTheTextFileForATxtNameAndTheRichTextOtherwise) {
    calculus();
    const auto rich = file_bytes(report_rich_text_file());
    const auto text = file_bytes(report_text_file());
    ASSERT_TRUE(rich.starts_with("{\\rtf"));
    ASSERT_TRUE(text.starts_with("\r\n\r\nTrave ?\r\n"));
    const std::pair<const char*, const std::string&> cases[] = {
        {"relazione.rtf", rich}, {"relazione.txt", text}, {"RELAZIONE.TXT", text}, {"relazione.Txt", text},
        {"relazione.txt.rtf", rich}, {"relazionetxt", rich}, {"senza estensione", rich},
    };
    for (const auto& [name, expected] : cases) {
        const auto chosen = (home.path() / name).string();
        files.answer_next(chosen);
        window.salvaz(files, prompter);
        EXPECT_EQ(file_bytes(chosen), expected) << name;
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ReportWindowTest, SavingShowsTheDialogWithItsFilterAndTheLastFileChosen) {
    calculus();
    const auto first = (home.path() / "prima.rtf").string();
    files.answer_next(first);
    window.salvaz(files, prompter);
    window.salvaz(files, prompter);  // cancelled: the name chosen before stays
    window.salvaz(files, prompter);
    ASSERT_EQ(files.shown.size(), 3u);
    const std::string filter = "Rich Text Format (*.rtf)|*.rtf|File di testo (*.txt)|*.txt";
    EXPECT_EQ(files.shown[0].kind, ScriptedFileChooser::Kind::save);
    EXPECT_EQ(files.shown[0].dialog, (FileDialog{"", filter}));
    EXPECT_EQ(files.shown[1].dialog, (FileDialog{first, filter}));
    EXPECT_EQ(files.shown[2].dialog, (FileDialog{first, filter}));
}

TEST_F(ReportWindowTest, ACancelledDialogSavesNothingAndSaysNothing) {
    calculus();
    files.answer_next(std::nullopt);
    files.answer_next("");
    window.salvaz(files, prompter);
    window.salvaz(files, prompter);
    EXPECT_EQ(files.shown.size(), 2u);
    EXPECT_TRUE(prompter.shown.empty());
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(home.path()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"relazionetemp.txt", "relazionetempword.rtf"}));
}

TEST_F(ReportWindowTest, AFailedSaveTellsTheUser) {
    calculus();
    const auto into_missing_folder = (home.path() / "manca" / "relazione.rtf").string();
    files.answer_next(into_missing_folder);
    window.salvaz(files, prompter);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0], (Message{"Impossibile salvare la relazione: " + into_missing_folder, Icon::critical,
                                          Buttons::ok, "Attenzione"}));
    EXPECT_FALSE(std::filesystem::exists(home.path() / "manca"));
}

TEST_F(ReportWindowTest, AfterAFailedReportTheEmptyBoxIsWhatIsSaved) {
    calculus();
    input.b = std::numeric_limits<float>::infinity();
    calculus();
    ASSERT_EQ(window.find("rtxt")->text, "");
    const auto chosen = (home.path() / "vuota.rtf").string();
    files.answer_next(chosen);
    window.salvaz(files, prompter);
    const auto saved = file_bytes(chosen);
    EXPECT_TRUE(saved.starts_with("{\\rtf"));
    EXPECT_EQ(saved.find("Trave"), std::string::npos);
    const auto as_text = (home.path() / "vuota.txt").string();
    files.answer_next(as_text);
    window.salvaz(files, prompter);
    EXPECT_EQ(file_bytes(as_text), "");
}

TEST_F(ReportWindowTest, TheViewersOpenTheTemporaryFilesOnceThereIsAReport) {
    RecordingViewer viewer;
    EXPECT_FALSE(window.OLE1_open(viewer));
    EXPECT_FALSE(window.OLE2_open(viewer));
    EXPECT_TRUE(viewer.opened.empty());

    calculus();
    EXPECT_TRUE(window.OLE1_open(viewer));
    EXPECT_TRUE(window.OLE2_open(viewer));
    EXPECT_EQ(viewer.opened, (std::vector<std::filesystem::path>{home.path() / "relazionetempword.rtf",
                                                                 home.path() / "relazionetemp.txt"}));
    viewer.succeeds = false;
    EXPECT_FALSE(window.OLE1_open(viewer));
}

}  // namespace
}  // namespace norvexa
