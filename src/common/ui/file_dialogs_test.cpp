#include "common/ui/file_dialogs.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "common/ui/window_test_support.h"
#include "scratch_folder.h"

namespace norvexa {
namespace {

TEST(NameFilters, BecomeQtFiltersWithTheirPatternsInParentheses) {
    EXPECT_EQ(qt_name_filters("File norvexa (*.nvx) |*.nvx|Tutti i file (*.*)|*.*").toStdString(),
              "File norvexa (*.nvx);;Tutti i file (*.*)");
    // A caption that does not show its pattern gets it; several patterns are told apart
    // by spaces, as Qt reads them.
    EXPECT_EQ(qt_name_filters("Progetti|*.nvx").toStdString(), "Progetti (*.nvx)");
    EXPECT_EQ(qt_name_filters("Testi (*.txt;*.rtf)|*.txt;*.rtf").toStdString(), "Testi (*.txt *.rtf)");
    EXPECT_EQ(qt_name_filters("Testi|*.txt; *.rtf").toStdString(), "Testi (*.txt *.rtf)");
    // A caption without a pattern after it is no filter.
    EXPECT_EQ(qt_name_filters("Progetti|*.nvx|Altro").toStdString(), "Progetti (*.nvx)");
    EXPECT_EQ(qt_name_filters("").toStdString(), "");
}

// Once the dialog lists its folder, types the name into its file name field and presses
// Return, as a user does.
void enter_name(QFileDialog& dialog, const QString& name) {
    auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
    auto* files = dialog.findChild<QListView*>("listView");
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(files, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([files] { return files->model()->rowCount(files->rootIndex()) > 0; }));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_TRUE(edit->hasFocus());
    edit->selectAll();
    QTest::keyClicks(edit, name);
    QTest::keyClick(edit, Qt::Key_Return);
}

class FileDialogs : public testing::Test {
  protected:
    std::filesystem::path file(const char* name) {
        const std::filesystem::path path = folder.path() / name;
        std::ofstream(path) << "x";
        return path;
    }

    ScratchFolder folder;
    DialogFileChooser chooser;
    ModalAnswerer boxes;  // an overwrite question would be answered, and counted
    const std::string filter = "File norvexa (*.nvx) |*.nvx|Tutti i file (*.*)|*.*";
};

TEST_F(FileDialogs, SaveStartsAtTheRememberedFileAndAddsNoExtension) {
    const std::filesystem::path remembered = file("trave.nvx");
    QString shown_name, shown_folder;
    QStringList shown_filters;
    when_dialog_shows([&](QFileDialog& dialog) {
        shown_name = dialog.findChild<QLineEdit*>("fileNameEdit")->text();
        shown_folder = dialog.directory().absolutePath();
        shown_filters = dialog.nameFilters();
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        enter_name(dialog, "nuova");
    });
    const auto chosen = chooser.choose_save({remembered.string(), filter});
    EXPECT_EQ(shown_name.toStdString(), "trave.nvx");
    EXPECT_EQ(shown_folder.toStdString(), folder.path().string());
    EXPECT_EQ(shown_filters, (QStringList{"File norvexa (*.nvx)", "Tutti i file (*.*)"}));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, (folder.path() / "nuova").string());
}

TEST_F(FileDialogs, SavingOverAFileAsksNothing) {
    const std::filesystem::path existing = file("trave.nvx");
    when_dialog_shows([](QFileDialog& dialog) { enter_name(dialog, "trave.nvx"); });
    const auto chosen = chooser.choose_save({existing.string(), filter});
    EXPECT_TRUE(boxes.seen.empty());
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, existing.string());
}

TEST_F(FileDialogs, OpenTakesAnExistingFileAndCancelGivesNone) {
    const std::filesystem::path existing = file("trave.nvx");
    when_dialog_shows([](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        enter_name(dialog, "trave.nvx");
    });
    EXPECT_EQ(chooser.choose_open({(folder.path() / "altro.nvx").string(), filter}), existing.string());

    when_dialog_shows([](QFileDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(chooser.choose_open({existing.string(), filter}), std::nullopt);
}

}  // namespace
}  // namespace norvexa
