#include "report/report_window.h"

#include <fstream>
#include <functional>
#include <iterator>
#include <limits>

#include <gtest/gtest.h>

#include "common/program_folder.h"
#include "scratch_folder.h"

namespace norvexa {
namespace {

std::string bytes_of(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ReportWindowTest : public testing::Test {
  protected:
    ReportWindowTest() { input.a[0] = 942, input.D[0] = 460; }
    void calculus() { window.CALCULUS({"Trave ε", input, results, {"n°2Ø16", "", "", ""}, false}, prompter); }

    ScratchHome home;
    ScriptedPrompter prompter;
    ReportWindow window;
    AnalysisInput input;
    AnalysisResults results;
};

TEST_F(ReportWindowTest, WritesBothFilesAndShowsTheTextFileInTheBox) {
    EXPECT_FALSE(window.Frame1.enabled);
    const ScopedVariable missing_folder{"NORVEXA_HOME", (home.path() / "nuova").c_str()};
    calculus();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_TRUE(window.Frame1.enabled);

    const auto text = bytes_of(home.path() / "nuova" / "relazionetemp.txt");
    EXPECT_TRUE(text.starts_with("\r\n\r\nTrave ?\r\n\r\n---"));
    EXPECT_NE(text.find("\r\nAs1: n\xB0" "2\xD8" "16; d1=cm 46\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("assistenza@norvexa.it    \r\n"));
    // The box holds the file as read back: the character the code page lacks is a '?'.
    EXPECT_TRUE(window.rtxt.text.starts_with("\n\nTrave ?\n\n---"));
    EXPECT_NE(window.rtxt.text.find("\nAs1: n°2Ø16; d1=cm 46\n"), std::string::npos);
    EXPECT_TRUE(window.rtxt.text.ends_with("\nPer informazioni: assistenza@norvexa.it    "));

    const auto rich = bytes_of(home.path() / "nuova" / "relazionetempword.rtf");
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
        window.rtxt.text = "relazione precedente";
        spoil();
        calculus();
        ASSERT_EQ(prompter.shown.size(), 1u) << what;
        EXPECT_EQ(prompter.shown[0], (Message{"Problemi di connessione con microsoft word o notepad. Per aggiornare/"
                                              "visualizzare la relazione chiudere il file in microsoft word/notepad",
                                              Icon::critical, Buttons::ok, "Attenzione"}));
        EXPECT_EQ(window.rtxt.text, "") << what;
        prompter.shown.clear();
        input.b = 0;
        for (const char* name : {"relazionetemp.txt", "relazionetempword.rtf", "file"})
            std::filesystem::remove_all(home.path() / name);
    }
}

}  // namespace
}  // namespace norvexa
