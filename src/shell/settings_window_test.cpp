#include "shell/settings_window.h"

#include <deque>
#include <filesystem>

#include <gtest/gtest.h>

#include "common/line_file.h"
#include "common/program_folder.h"
#include "common/settings_file.h"
#include "project_fixture.h"

namespace norvexa {
namespace {

struct ScriptedColours : ColourChooser {
    std::optional<Colour> choose(Colour current) override {
        asked.push_back(current);
        if (answers.empty()) return std::nullopt;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<Colour>> answers;
    std::vector<Colour> asked;
};

class SettingsWindow : public testing::Test, public ProjectSession {
  protected:
    SettingsWindow() {
        window.reload_windows = [this] {
            form.reload();
            analysis.reload();
        };
        window.close_window = [this] { ++closed; };
    }
    void put_settings(const std::vector<std::string>& lines) { ASSERT_TRUE(write_lines(settings_file(), lines)); }
    std::vector<std::string> settings_lines() { return read_lines(settings_file()).value_or(std::vector<std::string>{}); }

    ScriptedColours colours;
    Colori window{prompter, colours};
    int closed = 0;
};

TEST_F(SettingsWindow, LoadShowsTheFileOrStopsAtTheFirstFailure) {
    put_settings({" 255 ", " 65280 ", " 16711680 ", " 0 ", " 25 ", " 7 "});
    window.Form_Load();
    EXPECT_EQ(window.find("Label1_0")->back, 255u);
    EXPECT_EQ(window.find("Label1_2")->back, 16711680u);
    EXPECT_EQ(window.find("c1")->text, " 25 ");
    EXPECT_EQ(window.find("c1")->items.size(), 40u);
    EXPECT_EQ(window.find("c2")->items.back(), "20");

    // A bad third colour: the first two are shown, the rest keeps the design look.
    put_settings({" 255 ", " 65280 ", "giallo", " 0 ", " 25 ", " 7 "});
    window.Form_Load();
    EXPECT_EQ(window.find("Label1_1")->back, 65280u);
    EXPECT_EQ(window.find("Label1_2")->back, DisplaySettings{}.mask);
    EXPECT_EQ(window.find("c1")->text, "20");
    EXPECT_EQ(window.find("c2")->text, "10");
    EXPECT_TRUE(window.find("c1")->items.empty());

    put_settings({"1", "2", "3", "4"});  // four lines: nothing read
    window.Form_Load();
    EXPECT_EQ(window.find("Label1_0")->back, DisplaySettings{}.concrete);
    EXPECT_EQ(window.find("c1")->text, "20");
}

TEST_F(SettingsWindow, LeavingAListBoundsItsNumber) {
    const struct {
        const char* list;
        const char* typed;
        const char* left;
    } cases[] = {{"c2", "0", "1"}, {"c2", "25", "20"}, {"c1", "55", "40"}, {"c1", "abc", "1"}, {"c1", "12,7", "12"},
                 {"c1", "12.5", "12"}, {"c1", "13.5", "14"}, {"c1", "1e400", "40"}, {"c2", "-3", "1"}};
    for (const auto& c : cases) {
        window.type(c.list, c.typed);
        window.leave(c.list);
        EXPECT_EQ(window.find(c.list)->text, c.left) << c.list << " " << c.typed;
    }
}

TEST_F(SettingsWindow, ColourDialogSetsTheSwatchUnlessCancelled) {
    window.Form_Load();
    colours.answers = {Colour{123}, std::nullopt};
    window.click("Command2");
    EXPECT_EQ(window.find("Label1_1")->back, 123u);
    window.click("Command2");
    EXPECT_EQ(window.find("Label1_1")->back, 123u);
    EXPECT_EQ(colours.asked.back(), 123u);
}

TEST_F(SettingsWindow, OkWritesTheFileReloadsTheWindowsAndDiscardsTheInput) {
    window.Form_Load();
    enter("tb", "30");
    window.type("c1", "55");  // not left: written as the bound
    window.find("Label1_3")->back = 255;
    window.click("Command7");
    EXPECT_EQ(settings_lines(), (std::vector<std::string>{" 12648447 ", " 16777152 ", " 14737632 ", " 255 ", " 40 ", "10"}));
    EXPECT_EQ(form.control("tb").text, "");
    EXPECT_EQ(analysis.board.Frame6.back, 255u);
    EXPECT_EQ(form.control("Frame1").back, 255u);
    EXPECT_EQ(closed, 1);
}

TEST_F(SettingsWindow, DefaultsThenCancelLeavesTheFileAlone) {
    put_settings({" 255 ", " 65280 ", " 16711680 ", " 0 ", " 25 ", " 7 "});
    const auto before = settings_lines();
    window.Form_Load();
    window.click("Command8");
    EXPECT_EQ(window.find("Label1_0")->back, DisplaySettings{}.concrete);
    EXPECT_EQ(window.find("c1")->text, "20");
    window.click("Command6");
    EXPECT_EQ(settings_lines(), before);
    EXPECT_EQ(closed, 1);
    window.Form_Deactivate();
    EXPECT_EQ(closed, 2);
}

TEST_F(SettingsWindow, AFileThatCannotBeWrittenIsReportedAndNothingIsLost) {
    window.Form_Load();
    enter("tb", "30");
    std::filesystem::create_directories(settings_file());  // a folder where the file should be
    window.click("Command7");
    EXPECT_EQ(prompter.shown.back(), (Message{"Impossibile salvare le impostazioni: " + settings_file().string(),
                                              Icon::critical, Buttons::ok, "Errore"}));
    EXPECT_EQ(form.control("tb").text, "30");
    EXPECT_EQ(closed, 0);
}

}  // namespace
}  // namespace norvexa
