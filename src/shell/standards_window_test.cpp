#include "shell/standards_window.h"

#include <fstream>

#include <gtest/gtest.h>

#include "common/program_folder.h"
#include "scratch_folder.h"

namespace norvexa {
namespace {

namespace fs = std::filesystem;

void touch(const fs::path& path) { std::ofstream(path, std::ios::binary) << "%PDF-1.4\n"; }

TEST(StandardsWindow, ShowsTheFiveDocumentsInTheirTwoGroups) {
    const StandardsWindow window;
    EXPECT_EQ(window.caption, "NORMATIVA");
    EXPECT_EQ(window.find("Frame1")->text, "D.M. 09/01/'96");
    EXPECT_EQ(window.find("Frame2")->text, "EUROCODICE 2");
    EXPECT_EQ(window.find("Command2")->text, "Chiudi");
    const char* captions[] = {"DM 09 Gennaio 1996", "EC2 parte 1", "EC2 parte 2", "EC2 parte 3", "EC2 parte 4"};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(window.find("OLE" + std::to_string(i + 1))->text, captions[i]);
    EXPECT_STREQ(StandardsWindow::documents[0].frame, "Frame1");
    for (std::size_t i = 1; i < 5; ++i) EXPECT_STREQ(StandardsWindow::documents[i].frame, "Frame2");
}

TEST(StandardsWindow, IconsOfMissingDocumentsAreGreyedWithTheExpectedPath) {
    ScratchHome home;
    touch(home.path() / "EC2 PARTE 1.PDF");
    touch(home.path() / "ec2 parte 3.pdf");  // named on a system that ignores case
    fs::create_directory(home.path() / "EC2 PARTE 4.PDF");  // a folder is no document
    StandardsWindow window;
    window.show();
    EXPECT_TRUE(window.is_visible());
    const bool present[] = {false, true, false, true, false};
    const fs::path paths[] = {home.path() / "DM 09 GENNAIO 1996.PDF", home.path() / "EC2 PARTE 1.PDF",
                              home.path() / "EC2 PARTE 2.PDF", home.path() / "ec2 parte 3.pdf",
                              home.path() / "EC2 PARTE 4.PDF"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(window.find("OLE" + std::to_string(i + 1))->enabled, present[i]) << i;
        EXPECT_EQ(StandardsWindow::document_path(i), paths[i]) << i;
        EXPECT_EQ(window.OLE_tip(i), (present[i] ? "" : "Documento non presente: ") + paths[i].string()) << i;
    }

    touch(home.path() / "DM 09 GENNAIO 1996.PDF");
    window.Form_Activate();
    EXPECT_TRUE(window.find("OLE1")->enabled);
}

TEST(StandardsWindow, ADoubleClickOpensThePresentDocumentInTheViewer) {
    ScratchHome home;
    touch(home.path() / "EC2 PARTE 2.PDF");
    StandardsWindow window;
    window.show();
    RecordingViewer viewer;
    ScriptedPrompter prompter;
    EXPECT_TRUE(window.OLE_DblClick(2, viewer, prompter));
    EXPECT_FALSE(window.OLE_DblClick(1, viewer, prompter));  // missing: nothing opens, nothing said
    EXPECT_FALSE(window.OLE_DblClick(7, viewer, prompter));
    EXPECT_EQ(viewer.opened, std::vector<fs::path>{home.path() / "EC2 PARTE 2.PDF"});
    EXPECT_TRUE(prompter.shown.empty());

    // A document removed after the window showed it is found missing on the click.
    fs::remove(home.path() / "EC2 PARTE 2.PDF");
    EXPECT_FALSE(window.OLE_DblClick(2, viewer, prompter));
    EXPECT_FALSE(window.find("OLE3")->enabled);
    EXPECT_EQ(viewer.opened.size(), 1u);

    touch(home.path() / "EC2 PARTE 2.PDF");
    viewer.succeeds = false;
    EXPECT_FALSE(window.OLE_DblClick(2, viewer, prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0], (Message{"Nessun programma disponibile per aprire " +
                                               (home.path() / "EC2 PARTE 2.PDF").string(),
                                           Icon::warning, Buttons::ok, "Attenzione"}));
}

TEST(StandardsWindow, ClosesOnChiudiAndOnLosingActivation) {
    ScratchHome home;
    StandardsWindow window;
    window.show();
    window.Command2_Click();
    EXPECT_FALSE(window.is_visible());
    EXPECT_FALSE(window.is_loaded());
    window.show();
    window.Form_Deactivate();
    EXPECT_FALSE(window.is_visible());
}

}  // namespace
}  // namespace norvexa
