#include "common/manual_install.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "scratch_folder.h"

namespace norvexa {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) { return read_small_file(path, largest_manual_bytes).value_or("<unreadable>"); }

constexpr const char* shipped_text = "{\\rtf1\\ansi Manuale\\par}";

TEST(ManualInstall, CopiesTheShippedManualOnlyWhereNoneIs) {
    ScratchFolder scratch;
    const fs::path shipped = scratch.path() / "shipped.rtf";
    put_bytes(shipped, shipped_text);

    const fs::path fresh = scratch.path() / "new" / "folder" / "manuale.rtf";
    EXPECT_EQ(install_manual(shipped, fresh), ManualInstall::installed);
    EXPECT_EQ(contents(fresh), shipped_text);

    const fs::path own = scratch.path() / "own.rtf";
    put_bytes(own, "{\\rtf1 la mia copia}");
    EXPECT_EQ(install_manual(shipped, own), ManualInstall::already_there);
    EXPECT_EQ(contents(own), "{\\rtf1 la mia copia}");

    const fs::path empty = scratch.path() / "empty.rtf";
    put_bytes(empty, "");
    EXPECT_EQ(install_manual(shipped, empty), ManualInstall::already_there);
    EXPECT_EQ(contents(empty), "");

    const fs::path link = scratch.path() / "link.rtf";
    fs::create_symlink(scratch.path() / "nowhere.rtf", link);
    EXPECT_EQ(install_manual(shipped, link), ManualInstall::already_there);
    EXPECT_FALSE(fs::exists(scratch.path() / "nowhere.rtf"));
}

TEST(ManualInstall, NothingIsInstalledFromABadShippedCopy) {
    ScratchFolder scratch;
    const fs::path target = scratch.path() / "manuale.rtf";
    const fs::path html = scratch.path() / "manual.html";
    put_bytes(html, "<html>manuale</html>");
    const fs::path fifo = scratch.path() / "fifo.rtf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        const char* name;
        fs::path shipped;
    } cases[] = {
        {"no path", {}},
        {"missing", scratch.path() / "missing.rtf"},
        {"a folder", scratch.path()},
        {"a FIFO, never waited on", fifo},
        {"no rich text", html},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(install_manual(c.shipped, target), ManualInstall::nothing_shipped) << c.name;
        EXPECT_FALSE(fs::exists(target)) << c.name;
    }
    EXPECT_EQ(install_manual_text("\xEF\xBB\xBF\r\n {\\rtf1 x}", target), ManualInstall::installed);
}

TEST(ManualInstall, AFolderThatCannotBeMadeFails) {
    ScratchFolder scratch;
    put_bytes(scratch.path() / "file", "x");
    EXPECT_EQ(install_manual_text(shipped_text, scratch.path() / "file" / "manuale.rtf"), ManualInstall::failed);
}

TEST(ManualInstall, ReadsOnlySmallRegularFiles) {
    ScratchFolder scratch;
    const fs::path file = scratch.path() / "f";
    put_bytes(file, std::string(100, 'x'));
    EXPECT_EQ(read_small_file(file, 100), std::string(100, 'x'));
    EXPECT_EQ(read_small_file(file, 99), std::nullopt);
    EXPECT_EQ(read_small_file(scratch.path(), 100), std::nullopt);
    EXPECT_EQ(read_small_file(scratch.path() / "missing", 100), std::nullopt);
}

TEST(ManualInstall, TheShippedCopyIsLookedForBesideTheProgramFirst) {
    const auto candidates = shipped_manual_candidates("/opt/norvexa/bin/norvexa");
    ASSERT_GE(candidates.size(), 3u);
    EXPECT_EQ(candidates.front(), fs::path("/opt/norvexa/share/norvexa/manuale.rtf"));
    EXPECT_EQ(candidates.back(), fs::path("/usr/share/norvexa/manuale.rtf"));
    EXPECT_NE(shipped_manual_candidates("").front(), fs::path("share/norvexa/manuale.rtf"));

    ScratchFolder scratch;
    fs::create_directories(scratch.path() / "a" / "manuale.rtf");  // a folder of that name does not count
    put_bytes(scratch.path() / "b.rtf", shipped_text);
    put_bytes(scratch.path() / "c.rtf", shipped_text);
    EXPECT_EQ(first_existing_file({scratch.path() / "missing.rtf", scratch.path() / "a" / "manuale.rtf",
                                   scratch.path() / "b.rtf", scratch.path() / "c.rtf"}),
              scratch.path() / "b.rtf");
    EXPECT_EQ(first_existing_file({scratch.path() / "missing.rtf"}), std::nullopt);
}

}  // namespace
}  // namespace norvexa
