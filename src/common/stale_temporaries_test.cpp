#include "common/stale_temporaries.h"

#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "scratch_folder.h"

namespace norvexa {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

bool present(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() != fs::file_type::not_found;
}

TEST(StaleTemporaries, RemovesOnlyOldTemporaryFilesOfTheFolderTree) {
    const ScratchFolder home, outside;
    const auto now = fs::file_time_type::clock::now();
    const auto old = now - 90s, recent = now - 30s;
    const struct {
        std::string path;
        fs::file_time_type written;
        bool removed;
    } files[] = {
        {".norvexa-0a1b2c3d.tmp", old, true},
        {"materiali/acciaio/.norvexa-0a1b2c3d.tmp", old, true},
        {"materiali/cls/.norvexa-zzzzzzzz.tmp", old, true},
        {"progetti/.norvexa-00000000.tmp", old, true},
        {"materiali/acciaio/.norvexa-0a1b2c3e.tmp", recent, false},  // a save still running
        {"materiali/acciaio/Feb 44 K", old, false},
        {"materiali/acciaio/.Feb 44 K.tmp", old, false},
        {"materiali/cls/.norvexa-0A1B2C3D.tmp", old, false},
        {"materiali/cls/.norvexa-0a1b2c3d.tmp.bak", old, false},
        {"a/b/c/.norvexa-0a1b2c3d.tmp", old, false},  // deeper than the material folders
    };
    for (const auto& file : files) {
        put_bytes(home.path() / file.path, "x");
        fs::last_write_time(home.path() / file.path, file.written);
    }
    // A folder of that name, links to a folder and a file outside the tree.
    const auto folder_named_so = home.path() / "materiali" / ".norvexa-11111111.tmp";
    fs::create_directories(folder_named_so);
    fs::last_write_time(folder_named_so, old);
    const auto outside_file = outside.path() / ".norvexa-22222222.tmp";
    put_bytes(outside_file, "x");
    fs::last_write_time(outside_file, old);
    fs::create_directory_symlink(outside.path(), home.path() / "materiali" / "collegati");
    const auto file_link = home.path() / ".norvexa-33333333.tmp";
    fs::create_symlink(outside_file, file_link);

    remove_stale_temporaries(home.path());

    for (const auto& file : files) EXPECT_EQ(present(home.path() / file.path), !file.removed) << file.path;
    EXPECT_TRUE(present(folder_named_so));
    EXPECT_TRUE(present(outside_file));
    EXPECT_TRUE(present(file_link));
}

}  // namespace
}  // namespace norvexa
