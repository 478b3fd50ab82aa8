#include "shell/startup.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "common/line_file.h"
#include "common/program_folder.h"
#include "materials/material_files.h"
#include "materials/reference_materials.h"
#include "scratch_folder.h"
#include "shell/folder_creation.h"

namespace norvexa {
namespace {

TEST(StartUp, ScreenRules) {
    const struct {
        int width, height;  // pixels
        bool message, normal;
    } screens[] = {
        {1024, 768, false, false},  // the width is neither below nor above the threshold
        {1280, 1024, false, true},
        {1280, 720, false, false},  // only the height is below
        {800, 600, true, false},
        {1023, 748, true, false},
        {1025, 750, false, true},
    };
    for (const auto& s : screens) {
        EXPECT_EQ(screen_too_small(s.width * 15, s.height * 15), s.message) << s.width << "x" << s.height;
        EXPECT_EQ(screen_takes_normal_state(s.width * 15, s.height * 15), s.normal) << s.width << "x" << s.height;
    }
}

TEST(StartUp, SplashUnrollsInTenTicksAndStartsOnTheThirtySeventh) {
    Form2 splash;
    const int screen_height = 768 * 15;
    for (int tick = 1; tick <= 36; ++tick) {
        EXPECT_FALSE(splash.Timer1_Timer(screen_height)) << tick;
        if (tick <= 10) {
            EXPECT_EQ(splash.height, 552 * tick) << tick;
        }
    }
    EXPECT_EQ(splash.height, Form2::full_height);
    EXPECT_EQ(splash.top, (screen_height - Form2::full_height) / 2);
    EXPECT_TRUE(splash.Timer1_Timer(screen_height));
}

TEST(FolderCreation, MakesTheMaterialTreeWithTheReferenceMaterials) {
    const ScratchFolder scratch;
    const ScopedVariable home("NORVEXA_HOME", (scratch.path() / "a" / "norvexa").c_str());
    EXPECT_EQ(Cartelle::folders(), (std::vector<std::string>{(scratch.path() / "a/norvexa/materiali/cls/").string(),
                                                              (scratch.path() / "a/norvexa/materiali/acciaio/").string()}));
    ASSERT_TRUE(Cartelle::create());
    for (const Materiale& reference : reference_materials()) {
        const MaterialRead read = read_material(reference.kind, reference.nome);
        EXPECT_EQ(read.error, MaterialError::none) << reference.nome;
        EXPECT_EQ(read.material, reference);
    }
    EXPECT_EQ(read_lines(steel_folder() / "Feb 44 K"),
              (std::vector<std::string>{"430", "1,15", "373,9", "200000", "1,87", "10"}));

    // A material the user already has under that name is kept.
    Materiale mine = reference_material(MaterialKind::steel);
    mine.fields[0] = "450";
    ASSERT_TRUE(write_material(mine));
    std::filesystem::remove_all(concrete_folder());
    ASSERT_TRUE(Cartelle::create());
    EXPECT_EQ(read_material(MaterialKind::steel, "Feb 44 K").material, mine);
    EXPECT_EQ(read_material(MaterialKind::concrete, "C 25-30").error, MaterialError::none);
}

TEST(FolderCreation, FailsWhereNoFolderCanBeMade) {
    const ScratchFolder scratch;
    ASSERT_TRUE(write_lines(scratch.path() / "file", {"x"}));
    const ScopedVariable home("NORVEXA_HOME", (scratch.path() / "file" / "norvexa").c_str());
    EXPECT_FALSE(Cartelle::create());
}

}  // namespace
}  // namespace norvexa
