#include "common/program_folder.h"

#include <gtest/gtest.h>

#include "scratch_folder.h"

namespace norvexa {
namespace {

TEST(ProgramFolder, FollowsTheEnvironmentInOrder) {
    struct Case { const char* norvexa_home; const char* xdg_data_home; const char* home; const char* folder; } cases[] = {
        {"/opt/nx", "/data", "/home/u", "/opt/nx"},
        {"/opt/nx/", "/data", "/home/u", "/opt/nx"},
        {"", "/data", "/home/u", "/data/norvexa"},
        {nullptr, "/data/", "/home/u", "/data/norvexa"},
        {nullptr, "", "/home/u", "/home/u/.local/share/norvexa"},
        {nullptr, "relative", "/home/u", "/home/u/.local/share/norvexa"},
        {nullptr, nullptr, "/home/u/", "/home/u/.local/share/norvexa"},
        {nullptr, nullptr, nullptr, ".local/share/norvexa"},
    };
    for (const auto& c : cases) {
        const ScopedVariable norvexa_home("NORVEXA_HOME", c.norvexa_home);
        const ScopedVariable xdg_data_home("XDG_DATA_HOME", c.xdg_data_home);
        const ScopedVariable home("HOME", c.home);
        EXPECT_EQ(program_folder(), std::filesystem::path(c.folder)) << "case " << &c - cases;
    }
}

TEST(ProgramFolder, FixedPathsLieUnderIt) {
    const ScopedVariable home("NORVEXA_HOME", "/opt/nx/");
    EXPECT_EQ(materials_folder(), "/opt/nx/materiali");
    EXPECT_EQ(concrete_folder(), "/opt/nx/materiali/cls");
    EXPECT_EQ(steel_folder(), "/opt/nx/materiali/acciaio");
    EXPECT_EQ(settings_file(), "/opt/nx/FCOL");
    EXPECT_EQ(report_text_file(), "/opt/nx/relazionetemp.txt");
    EXPECT_EQ(report_rich_text_file(), "/opt/nx/relazionetempword.rtf");
    EXPECT_EQ(manual_file(), "/opt/nx/manuale.rtf");
}

}  // namespace
}  // namespace norvexa
