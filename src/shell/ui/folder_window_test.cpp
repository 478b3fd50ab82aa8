#include "shell/ui/folder_window.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "scratch_folder.h"

namespace norvexa {
namespace {

QString label_text(const QWidget& window, const char* name) {
    const auto* label = window.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

QPushButton* ok_button(const QWidget& window) { return window.findChild<QPushButton*>("OK"); }

TEST(FolderWindow, ShowsItsTextsAndTheFoldersOfThisMachine) {
    ScratchHome home;
    ScriptedPrompter prompter;
    FolderCreationWindow window(prompter);
    EXPECT_EQ(window.objectName(), "Cartelle");
    EXPECT_TRUE(window.isModal());
    EXPECT_EQ(window.windowTitle(), "Creazione cartelle  software");
    EXPECT_EQ(label_text(window, "heading"), "Installazione di N O R V E X A");
    EXPECT_EQ(label_text(window, "text"),
              "PER IL CORRETTO FUNZIONAMENTO DEL SOFTWARE E'  NECESSARIO CREARE LE SEGUENTI CARTELLE:");
    EXPECT_EQ(label_text(window, "folder1"), QString::fromStdString((home.path() / "materiali" / "cls" / "").string()));
    EXPECT_EQ(label_text(window, "folder2"),
              QString::fromStdString((home.path() / "materiali" / "acciaio" / "").string()));
    ASSERT_NE(ok_button(window), nullptr);
    EXPECT_EQ(ok_button(window)->text(), "OK");
    EXPECT_TRUE(ok_button(window)->isDefault());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(FolderWindow, OkCreatesTheFoldersWithTheReferenceMaterials) {
    ScratchHome home;
    ScriptedPrompter prompter;
    FolderCreationWindow window(prompter);
    QSignalSpy finished(&window, &FolderCreationWindow::finished_program);
    window.show();
    QTest::mouseClick(ok_button(window), Qt::LeftButton);

    EXPECT_TRUE(std::filesystem::is_regular_file(home.path() / "materiali" / "cls" / "C 25-30"));
    EXPECT_TRUE(std::filesystem::is_regular_file(home.path() / "materiali" / "acciaio" / "Feb 44 K"));
    EXPECT_EQ(prompter.shown,
              (std::vector<Message>{{"Operazione riuscita; Riavviare il software", Icon::information, Buttons::ok,
                                     "Norvexa"}}));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
    // Closing it afterwards says nothing more.
    window.reject();
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(finished.count(), 1);
}

TEST(FolderWindow, OkSaysSoWhenTheFoldersCannotBeMade) {
    ScratchFolder scratch;
    const auto blocker = scratch.path() / "file";
    std::ofstream(blocker) << "not a folder";
    ScopedVariable home("NORVEXA_HOME", blocker.c_str());
    ScriptedPrompter prompter;
    FolderCreationWindow window(prompter);
    QSignalSpy finished(&window, &FolderCreationWindow::finished_program);
    window.show();
    QTest::mouseClick(ok_button(window), Qt::LeftButton);

    EXPECT_EQ(prompter.shown, (std::vector<Message>{{"Impossibile creare le cartelle del programma", Icon::critical,
                                                     Buttons::ok, "Norvexa"}}));
    EXPECT_EQ(finished.count(), 1);
}

TEST(FolderWindow, RejectingItSaysTheProgramCannotBeLoaded) {
    ScratchHome home;
    ScriptedPrompter prompter;
    FolderCreationWindow window(prompter);
    QSignalSpy finished(&window, &FolderCreationWindow::finished_program);
    window.show();
    window.reject();

    EXPECT_EQ(prompter.shown,
              (std::vector<Message>{{"Norvexa non può essere caricato", Icon::none, Buttons::ok, "Norvexa"}}));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_FALSE(std::filesystem::exists(home.path() / "materiali"));
    window.show();
    window.reject();
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(finished.count(), 1);
}

TEST(FolderWindow, EscapeAndTheCloseBoxRejectIt) {
    ScratchHome home;
    for (const bool escape : {true, false}) {
        ScriptedPrompter prompter;
        FolderCreationWindow window(prompter);
        QSignalSpy finished(&window, &FolderCreationWindow::finished_program);
        window.show();
        if (escape) QTest::keyClick(&window, Qt::Key_Escape);
        else window.close();
        EXPECT_EQ(prompter.shown,
                  (std::vector<Message>{{"Norvexa non può essere caricato", Icon::none, Buttons::ok, "Norvexa"}}))
            << escape;
        EXPECT_EQ(finished.count(), 1) << escape;
        EXPECT_FALSE(window.isVisible()) << escape;
    }
    EXPECT_FALSE(std::filesystem::exists(home.path() / "materiali"));
}

}  // namespace
}  // namespace norvexa
