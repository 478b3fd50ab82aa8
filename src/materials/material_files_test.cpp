#include "materials/material_files.h"

#include <iterator>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "common/file_replacement.h"
#include "common/line_file.h"
#include "scratch_folder.h"

namespace norvexa {
namespace {

constexpr MaterialKind kinds[] = {MaterialKind::steel, MaterialKind::concrete};

void put_lines(MaterialKind kind, const std::string& name, const std::vector<std::string>& lines) {
    std::filesystem::create_directories(material_folder(kind));
    ASSERT_TRUE(write_lines(material_folder(kind) / name, lines));
}

TEST(MaterialFiles, ReferenceMaterialsRoundTrip) {
    const ScratchHome home;
    for (const auto kind : kinds) {
        const auto& material = reference_material(kind);
        ASSERT_EQ(material.fields.size(), field_count(kind));
        ASSERT_TRUE(write_material(material)) << material.nome;
        EXPECT_EQ(read_lines(material_folder(kind) / material.nome), material.fields) << material.nome;
        const auto read = read_material(kind, material.nome);
        EXPECT_EQ(read.error, MaterialError::none) << material.nome;
        EXPECT_EQ(read.material, material) << material.nome;
    }
    EXPECT_EQ(std::filesystem::file_size(home.path() / "materiali" / "acciaio" / "Feb 44 K"),
              std::string("430\r\n1,15\r\n373,9\r\n200000\r\n1,87\r\n10\r\n").size());
}

TEST(MaterialFiles, NewMaterialsCarryTheDefaults) {
    EXPECT_EQ(new_material(MaterialKind::steel),
              (Materiale{MaterialKind::steel, "", {"", "1,15", "", "200000", "", "10"}}));
    EXPECT_EQ(new_material(MaterialKind::concrete),
              (Materiale{MaterialKind::concrete, "", {"", "", "1,6", "", "0,85", "", "3,5", ""}}));
}

TEST(MaterialFiles, FieldsAreKeptExactlyAsTyped) {
    const ScratchHome home;
    const Materiale steel{MaterialKind::steel, "B450C.v2", {" 450 ", "1,15", "373.9", "", "1,96", "Ø"}};
    ASSERT_TRUE(write_material(steel));
    EXPECT_EQ(read_material(MaterialKind::steel, steel.nome).material, steel);
}

TEST(MaterialFiles, ReadsTheFirstLinesOrReportsWhy) {
    const ScratchHome home;
    std::vector<std::string> ten = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    put_lines(MaterialKind::concrete, "long", ten);
    const auto long_read = read_material(MaterialKind::concrete, "long");
    EXPECT_EQ(long_read.error, MaterialError::none);
    EXPECT_EQ(long_read.material.fields, std::vector<std::string>(ten.begin(), ten.begin() + 8));

    put_lines(MaterialKind::steel, "short", {"1", "2", "3", "4", "5"});
    std::filesystem::create_directories(material_folder(MaterialKind::steel) / "folder");
    ASSERT_EQ(mkfifo((material_folder(MaterialKind::steel) / "fifo").c_str(), 0600), 0);
    struct Case { MaterialKind kind; const char* name; MaterialError error; } cases[] = {
        {MaterialKind::steel, "short", MaterialError::too_short},
        {MaterialKind::steel, "absent", MaterialError::missing},
        {MaterialKind::concrete, "short", MaterialError::missing},  // each kind has its own folder
        // Whatever is not a regular file is no material, and a FIFO is never waited on.
        {MaterialKind::steel, "folder", MaterialError::missing},
        {MaterialKind::steel, "fifo", MaterialError::missing},
    };
    for (const auto& c : cases) EXPECT_EQ(read_material(c.kind, c.name).error, c.error) << c.name;
}

TEST(MaterialFiles, SavingReplacesAndDeletingRemoves) {
    const ScratchHome home;
    auto steel = reference_material(MaterialKind::steel);
    put_lines(MaterialKind::steel, steel.nome, {"a", "b", "c", "d", "e", "f", "g", "h"});
    ASSERT_TRUE(write_material(steel));
    EXPECT_EQ(read_lines(material_folder(MaterialKind::steel) / steel.nome), steel.fields);

    EXPECT_TRUE(delete_material(MaterialKind::steel, steel.nome));
    EXPECT_EQ(read_material(MaterialKind::steel, steel.nome).error, MaterialError::missing);
    EXPECT_FALSE(delete_material(MaterialKind::steel, steel.nome));
}

TEST(MaterialFiles, ListsRegularFilesSorted) {
    const ScratchHome home;
    EXPECT_TRUE(list_materials(MaterialKind::concrete).empty());
    for (const char* name : {"C 30-37", "C 25-30", "old.txt", "Rck 300.bak", ".C 25-30.tmp", ".norvexa-C25.tmp"})
        put_lines(MaterialKind::concrete, name, {});
    std::filesystem::create_directories(material_folder(MaterialKind::concrete) / "sub");
    EXPECT_EQ(list_materials(MaterialKind::concrete),
              (std::vector<std::string>{".C 25-30.tmp", ".norvexa-C25.tmp", "C 25-30", "C 30-37", "Rck 300.bak",
                                        "old.txt"}));
    EXPECT_TRUE(list_materials(MaterialKind::steel).empty());
}

TEST(MaterialFiles, ASaveStoppedBeforeItsRenameAddsNoMaterial) {
    const ScratchHome home;
    const auto& steel = reference_material(MaterialKind::steel);
    ASSERT_TRUE(write_material(steel));
    // A child process writes the new content and dies before the rename, as a kill would leave it.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const auto replacement = FileReplacement::write(material_folder(MaterialKind::steel) / steel.nome, "new\r\n");
        ::_exit(replacement ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(std::distance(std::filesystem::directory_iterator(material_folder(MaterialKind::steel)), {}), 2);
    EXPECT_EQ(list_materials(MaterialKind::steel), std::vector<std::string>{steel.nome});
}

TEST(MaterialFiles, RefusesNamesThatLeaveTheFolder) {
    const ScratchHome home;
    std::filesystem::create_directories(material_folder(MaterialKind::steel));
    ASSERT_TRUE(write_lines(home.path() / "materiali" / "outside", {"x"}));
    using namespace std::string_literals;
    for (const auto& name : {""s, "."s, ".."s, "../outside"s, "a/b"s, "a\\b"s, "a\0b"s}) {
        EXPECT_EQ(read_material(MaterialKind::steel, name).error, MaterialError::invalid_name) << name;
        auto material = reference_material(MaterialKind::steel);
        material.nome = name;
        EXPECT_FALSE(write_material(material)) << name;
        EXPECT_FALSE(delete_material(MaterialKind::steel, name)) << name;
    }
    EXPECT_TRUE(std::filesystem::exists(home.path() / "materiali" / "outside"));
}

TEST(MaterialFiles, RefusesAWrongFieldCount) {
    const ScratchHome home;
    auto concrete = reference_material(MaterialKind::concrete);
    concrete.fields.pop_back();
    EXPECT_FALSE(write_material(concrete));
    EXPECT_TRUE(list_materials(MaterialKind::concrete).empty());
}

}  // namespace
}  // namespace norvexa
