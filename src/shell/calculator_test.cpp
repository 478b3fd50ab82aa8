#include "shell/calculator.h"

#include <fstream>

#include <gtest/gtest.h>

#include "scratch_folder.h"

namespace norvexa {
namespace {

namespace fs = std::filesystem;

fs::path program(const fs::path& folder, const char* name, fs::perms permissions = fs::perms::owner_all) {
    fs::create_directories(folder);
    const fs::path path = folder / name;
    std::ofstream(path) << "#!/bin/sh\nexit 0\n";
    fs::permissions(path, permissions);
    return path;
}

TEST(Calculator, TheFirstCalculatorOfTheListWinsWhereverItIsOnThePath) {
    ScratchFolder scratch;
    const fs::path first = scratch.path() / "first", second = scratch.path() / "second";
    program(first, "xcalc");
    const fs::path gnome = program(second, "gnome-calculator");
    const std::string path = first.string() + ":" + second.string();
    EXPECT_EQ(find_calculator(path), gnome);
    EXPECT_EQ(find_calculator(first.string()), first / "xcalc");
}

TEST(Calculator, OnlyExecutableFilesInAbsoluteFoldersCount) {
    ScratchFolder scratch;
    const fs::path folder = scratch.path() / "bin";
    program(folder, "gnome-calculator", fs::perms::owner_read | fs::perms::owner_write);  // not executable
    fs::create_directories(folder / "kcalc");                                              // a folder
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        {"nothing executable", folder.string()},
        {"empty path", ""},
        {"empty entries", "::"},
        {"relative entry", "bin"},
    };
    for (const auto& c : cases) EXPECT_EQ(find_calculator(c.path), std::nullopt) << c.name;
    const fs::path galculator = program(folder, "galculator");
    EXPECT_EQ(find_calculator(":" + folder.string() + ":"), galculator);
}

TEST(Calculator, KalkStartsTheCalculatorOrSaysItIsNotAvailable) {
    ScratchFolder scratch;
    const fs::path mate = program(scratch.path(), "mate-calc");
    const Message missing{"Calcolatrice non disponibile", Icon::critical, Buttons::ok, "Attenzione"};

    RecordingStarter starter;
    ScriptedPrompter prompter;
    EXPECT_TRUE(kalk(starter, prompter, scratch.path().string()));
    EXPECT_EQ(starter.started, std::vector<fs::path>{mate});
    EXPECT_TRUE(prompter.shown.empty());

    starter.succeeds = false;
    EXPECT_FALSE(kalk(starter, prompter, scratch.path().string()));
    EXPECT_EQ(prompter.shown, std::vector<Message>{missing});

    RecordingStarter untouched;
    ScriptedPrompter told;
    EXPECT_FALSE(kalk(untouched, told, (scratch.path() / "empty").string()));
    EXPECT_TRUE(untouched.started.empty());
    EXPECT_EQ(told.shown, std::vector<Message>{missing});
}

}  // namespace
}  // namespace norvexa
