#include "common/file_replacement.h"

#include <algorithm>
#include <csignal>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "common/temporary_name.h"
#include "scratch_folder.h"

namespace norvexa {
namespace {

std::vector<std::string> names_in(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

struct stat status_of(const std::filesystem::path& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status;
}

mode_t permissions_of(const std::filesystem::path& path) { return status_of(path).st_mode & 07777; }

constexpr uid_t nobody = 65534;

// Runs the work in a child process and returns its exit status: 0 when the work
// returned true, 1 when false.
int exit_status_of_child(const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) ::_exit(work() ? 0 : 1);
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// Makes the process the user nobody, also in these groups, when it runs as root (who may
// write anything); for a child process only. False when it cannot.
bool become_ordinary_user(const std::vector<gid_t>& groups = {}) {
    return ::geteuid() != 0 ||
           (::setgroups(groups.size(), groups.data()) == 0 && ::setgid(nobody) == 0 && ::setuid(nobody) == 0);
}

TEST(FileReplacement, ProgramStoppedBeforeTheRenameLeavesTheOldFile) {
    const ScratchFolder folder;
    const auto project = folder.path() / "trave.nvx";
    put_bytes(project, "old\r\n");
    // A child process writes the new file and dies at once, as a crash or a power loss
    // between the write and the rename would leave it.
    ASSERT_EQ(exit_status_of_child([&]() -> bool {
                  const auto replacement = FileReplacement::write(project, "new\r\n");
                  ::_exit(replacement ? 0 : 1);
              }),
              0);

    EXPECT_EQ(file_bytes(project), "old\r\n");
    const auto names = names_in(folder.path());
    ASSERT_EQ(names.size(), 2u);  // the project and the whole new content beside it
    EXPECT_EQ(names[1], "trave.nvx");
    EXPECT_TRUE(is_temporary_file_name(names[0])) << names[0];
    EXPECT_EQ(file_bytes(folder.path() / names[0]), "new\r\n");
}

TEST(FileReplacement, DroppedWithoutCommitRemovesItsTemporaryFile) {
    const ScratchFolder folder;
    const auto project = folder.path() / "trave.nvx";
    put_bytes(project, "old\r\n");
    {
        auto replacement = FileReplacement::write(project, "new\r\n");
        ASSERT_TRUE(replacement);
        EXPECT_EQ(file_bytes(replacement->temporary()), "new\r\n");
        EXPECT_EQ(file_bytes(project), "old\r\n");
        const FileReplacement moved = std::move(*replacement);
    }
    EXPECT_EQ(names_in(folder.path()), std::vector<std::string>{"trave.nvx"});
    EXPECT_EQ(file_bytes(project), "old\r\n");
}

TEST(FileReplacement, KeepsTheReplacedFilesPermissions) {
    const ScratchFolder folder;
    for (const mode_t mode : {0600, 0640, 0755}) {
        const auto path = folder.path() / ("file" + std::to_string(mode));
        put_bytes(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(write_file(path, "new"));
        EXPECT_EQ(file_bytes(path), "new");
        EXPECT_EQ(permissions_of(path), mode) << std::oct << mode;
    }
    // A new file gets what the process's mask leaves of read and write for all.
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(write_file(folder.path() / "new", "x"));
    ::umask(mask);
    EXPECT_EQ(permissions_of(folder.path() / "new"), 0644);
}

TEST(FileReplacement, LeavesAFileTheUserMayNotWrite) {
    const ScratchFolder scratch;
    // Replaced by a rename, or written in place: a file with a second link, one in a
    // folder the user may not write.
    const struct {
        const char* folder;
        mode_t folder_mode;
        bool linked;
    } cases[] = {{"aperta", 0777, false}, {"collegata", 0777, true}, {"bloccata", 0555, false}};
    for (const auto& [name, folder_mode, linked] : cases) {
        const auto folder = scratch.path() / name;
        const auto path = folder / "protetto.nvx";
        put_bytes(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
        if (linked) std::filesystem::create_hard_link(path, folder / "copia.nvx");
        ASSERT_EQ(::chmod(folder.c_str(), folder_mode), 0);
        EXPECT_EQ(exit_status_of_child([&] { return become_ordinary_user() && !write_file(path, "new"); }), 0) << name;
        EXPECT_EQ(file_bytes(path), "old") << name;
        EXPECT_EQ(names_in(folder).size(), linked ? 2u : 1u) << name;
        ::chmod(folder.c_str(), 0755);  // so that an ordinary user running the tests may remove it
    }
}

TEST(FileReplacement, AFileWithMoreLinksIsWrittenInPlaceAtCommit) {
    const ScratchFolder folder;
    const auto project = folder.path() / "trave.nvx", link = folder.path() / "copia.nvx";
    const std::vector<std::string> both{"copia.nvx", "trave.nvx"};
    put_bytes(project, "old content\r\n");
    std::filesystem::create_hard_link(project, link);
    {
        const auto replacement = FileReplacement::write(project, "dropped\r\n");
        ASSERT_TRUE(replacement);
        EXPECT_TRUE(replacement->temporary().empty());
        EXPECT_EQ(file_bytes(project), "old content\r\n");  // nothing is written before the commit
        EXPECT_EQ(names_in(folder.path()), both);
    }
    EXPECT_EQ(file_bytes(project), "old content\r\n");
    // Shorter, longer, empty: the file ends where the new content does.
    for (const std::string bytes : {"new\r\n", "a longer new content\r\n", ""}) {
        ASSERT_TRUE(write_file(link, bytes)) << bytes;
        EXPECT_EQ(file_bytes(project), bytes);
        EXPECT_EQ(status_of(project).st_nlink, 2u) << bytes;
    }
    EXPECT_EQ(names_in(folder.path()), both);
}

TEST(FileReplacement, AWritableFileInAFolderTheUserMayNotWriteIsWrittenInPlace) {
    const ScratchFolder scratch;
    const auto folder = scratch.path() / "bloccata";
    const auto project = folder / "trave.nvx";
    put_bytes(project, "old content\r\n");
    ASSERT_EQ(::chmod(project.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    // A new file needs the folder, which refuses it.
    EXPECT_EQ(exit_status_of_child([&] {
                  return become_ordinary_user() && write_file(project, "new\r\n") && !write_file(folder / "nuovo.nvx", "x");
              }),
              0);
    EXPECT_EQ(file_bytes(project), "new\r\n");
    EXPECT_EQ(names_in(folder), std::vector<std::string>{"trave.nvx"});
    ::chmod(folder.c_str(), 0755);
}

TEST(FileReplacement, AWriteInPlaceCutShortFails) {
    const ScratchFolder folder;
    const auto project = folder.path() / "trave.nvx";
    put_bytes(project, "old\r\n");
    std::filesystem::create_hard_link(project, folder.path() / "copia.nvx");
    // The child may not make a file longer than eight bytes: its write stops short.
    EXPECT_EQ(exit_status_of_child([&] {
                  const rlimit eight_bytes{8, 8};
                  return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &eight_bytes) == 0 &&
                         !write_file(project, "more than eight bytes\r\n");
              }),
              0);
}

TEST(FileReplacement, KeepsTheReplacedFilesOwnerAndGroup) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    const ScratchFolder folder;
    const struct {
        uid_t owner;
        gid_t group;
        mode_t mode;
    } cases[] = {{12345, 12345, 0600}, {0, 12346, 0640}, {12345, 0, 0644}, {12345, 12346, 02750}};
    for (const auto& [owner, group, mode] : cases) {
        const auto path = folder.path() / ("file" + std::to_string(owner) + "-" + std::to_string(group));
        put_bytes(path, "old");
        ASSERT_EQ(::chown(path.c_str(), owner, group), 0);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(write_file(path, "new"));
        const auto status = status_of(path);
        EXPECT_EQ(status.st_uid, owner) << path;
        EXPECT_EQ(status.st_gid, group) << path;
        EXPECT_EQ(status.st_mode & 07777, mode) << path;  // a change of owner would clear the set-group bit
        EXPECT_EQ(file_bytes(path), "new") << path;
    }
}

TEST(FileReplacement, AnOrdinaryUserKeepsTheGroupWhenItIsOneOfTheirs) {
    if (::geteuid() != 0) GTEST_SKIP() << "the user and their groups are made by root";
    const ScratchFolder folder;
    const auto user_folder = folder.path() / "utente";
    std::filesystem::create_directory(user_folder);
    ASSERT_EQ(::chown(user_folder.c_str(), nobody, nobody), 0);
    // Another user's file becomes the writer's, as does a group not theirs: only root may
    // give them back, and the save goes on without.
    const struct {
        uid_t owner;
        gid_t group;
        uid_t kept_owner;
        gid_t kept_group;
    } cases[] = {{nobody, 12346, nobody, 12346}, {12345, 12346, nobody, 12346}, {nobody, 12347, nobody, nobody}};
    for (const auto& [owner, group, kept_owner, kept_group] : cases) {
        const auto path = user_folder / ("file" + std::to_string(owner) + "-" + std::to_string(group));
        put_bytes(path, "old");
        ASSERT_EQ(::chown(path.c_str(), owner, group), 0);
        ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
        EXPECT_EQ(exit_status_of_child([&] { return become_ordinary_user({12346}) && write_file(path, "new"); }), 0)
            << path;
        const auto status = status_of(path);
        EXPECT_EQ(status.st_uid, kept_owner) << path;
        EXPECT_EQ(status.st_gid, kept_group) << path;
        EXPECT_EQ(file_bytes(path), "new") << path;
    }
}

TEST(FileReplacement, WritesThroughSymbolicLinks) {
    const ScratchFolder folder;
    const auto target = folder.path() / "target.nvx", link = folder.path() / "link.nvx";
    put_bytes(target, "old\r\n");
    std::filesystem::create_symlink("target.nvx", link);
    ASSERT_TRUE(write_file(link, "new\r\n"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(file_bytes(target), "new\r\n");

    // A link whose file does not exist yet makes that file.
    const auto dangling = folder.path() / "dangling";
    std::filesystem::create_symlink(folder.path() / "made", dangling);
    ASSERT_TRUE(write_file(dangling, "x\r\n"));
    EXPECT_TRUE(std::filesystem::is_symlink(dangling));
    EXPECT_EQ(file_bytes(folder.path() / "made"), "x\r\n");

    const auto loop = folder.path() / "loop";
    std::filesystem::create_symlink("loop", loop);
    EXPECT_FALSE(write_file(loop, "x"));
    EXPECT_TRUE(std::filesystem::is_symlink(loop));
}

TEST(FileReplacement, SavesAnyNameTheFileSystemTakes) {
    const ScratchFolder folder;
    for (const std::size_t length : {230u, 232u, 255u}) {
        const auto path = folder.path() / std::string(length, 'n');
        // The temporary name is random: one save could pass by chance.
        for (int save = 0; save < 20; ++save)
            ASSERT_TRUE(write_file(path, std::to_string(save))) << length << " bytes, save " << save;
        EXPECT_EQ(file_bytes(path), "19") << length;
    }
    EXPECT_EQ(names_in(folder.path()).size(), 3u);
}

TEST(FileReplacement, FailedWriteLeavesThePreviousFileAndNoTemporary) {
    const ScratchFolder folder;
    EXPECT_FALSE(write_file(folder.path() / "no such folder" / "file", "x"));

    const auto old_file = folder.path() / "project";
    put_bytes(old_file, "old\r\n");
    EXPECT_FALSE(write_file(old_file / "inside", "x"));  // a file is no folder

    const auto directory = folder.path() / "taken";
    std::filesystem::create_directories(directory / "content");
    EXPECT_FALSE(write_file(directory, "x"));
    EXPECT_TRUE(std::filesystem::is_directory(directory / "content"));

    EXPECT_EQ(file_bytes(old_file), "old\r\n");
    const auto entries = std::distance(std::filesystem::directory_iterator(folder.path()), {});
    EXPECT_EQ(entries, 2);  // "project" and "taken" only
}

}  // namespace
}  // namespace norvexa
