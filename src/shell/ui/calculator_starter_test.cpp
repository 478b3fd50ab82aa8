#include "shell/ui/calculator_starter.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "scratch_folder.h"

namespace norvexa {
namespace {

namespace fs = std::filesystem;

fs::path script(const fs::path& folder, const char* name, const std::string& text) {
    const fs::path path = folder / name;
    std::ofstream(path) << text;
    fs::permissions(path, fs::perms::owner_all);
    return path;
}

bool appears(const fs::path& path) {
    for (int i = 0; i < 500 && !fs::exists(path); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return fs::exists(path);
}

TEST(QtProgramStarter, StartsAProgramThatRunsOnByItselfAndReportsOneThatCannotStart) {
    ScratchFolder scratch;
    const fs::path marker = scratch.path() / "started";
    QtProgramStarter starter;
    EXPECT_TRUE(starter.start_detached(script(scratch.path(), "gnome-calculator", "#!/bin/sh\ntouch '" + marker.string() + "'\n")));
    EXPECT_TRUE(appears(marker));
    EXPECT_FALSE(starter.start_detached(script(scratch.path(), "kcalc", "#!/nonexistent/interpreter\n")));
    EXPECT_FALSE(starter.start_detached(scratch.path() / "missing"));

    // The whole command as the program runs it: the failing calculator is the first found.
    ScriptedPrompter prompter;
    fs::remove(scratch.path() / "gnome-calculator");
    EXPECT_FALSE(kalk(starter, prompter, scratch.path().string()));
    EXPECT_EQ(prompter.shown, (std::vector<Message>{{"Calcolatrice non disponibile", Icon::critical, Buttons::ok, "Attenzione"}}));
}

}  // namespace
}  // namespace norvexa
