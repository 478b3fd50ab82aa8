#include "common/file_replacement.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/temporary_name.h"

namespace norvexa {
namespace {

// Opens a new file in the folder under a temporary name, beside the target so that the
// rename stays on one file system. "x" refuses an existing file, so a temporary never
// clobbers another file; a name already taken is tried again with another.
std::FILE* create_temporary(const std::filesystem::path& folder, std::filesystem::path& path) {
    constexpr int attempts = 8;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        path = folder / temporary_file_name();
        if (std::FILE* file = std::fopen(path.c_str(), "wbx")) return file;
        if (errno != EEXIST) break;
    }
    return nullptr;
}

// Gives the new file the owner and group of the file it replaces where the process may:
// root may give any, a user only one of their own groups. What is refused stays the
// writer's, as in a file the writer makes new, and the save goes on.
void give_owner_and_group(int descriptor, const struct stat& old) {
    static_cast<void>(::fchown(descriptor, old.st_uid, old.st_gid) == 0 ||
                      ::fchown(descriptor, static_cast<uid_t>(-1), old.st_gid) == 0);
}

// Creates the temporary file with the owner, group and permissions of the file it will
// replace, if there is one, as far as the process may give them, and writes the bytes;
// on failure removes what it created.
bool write_new_file(std::filesystem::path& path, const std::filesystem::path& target, std::string_view bytes) {
    std::FILE* file = create_temporary(target.parent_path(), path);
    if (!file) return false;
    struct stat old {};
    const bool replaces = ::stat(target.c_str(), &old) == 0;
    // Before the permissions: a change of owner clears the set-user and set-group bits.
    if (replaces) give_owner_and_group(::fileno(file), old);
    const bool kept = !replaces || ::fchmod(::fileno(file), old.st_mode & 07777) == 0;
    // On disk before the rename, so that a power loss leaves the old file or the whole new one.
    const bool written = kept && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                         std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return true;
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return false;
}

}  // namespace

std::filesystem::path link_target(std::filesystem::path path, std::error_code& error) {
    constexpr int most_links = 40;
    for (int links = 0; std::filesystem::is_symlink(path, error); ++links) {
        if (links == most_links) {
            error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
            return {};
        }
        const auto next = std::filesystem::read_symlink(path, error);
        if (error) return {};
        path = path.parent_path() / next;  // an absolute link replaces the whole path
    }
    error.clear();  // a missing file is no error here
    return path;
}

std::optional<FileReplacement> FileReplacement::write(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code error;
    auto target = link_target(path, error);
    if (error) return std::nullopt;
    // A file the user may not write stays as it is, as it would if written in place.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) return std::nullopt;
    std::filesystem::path temporary;
    if (!write_new_file(temporary, target, bytes)) return std::nullopt;
    return FileReplacement(std::move(temporary), std::move(target));
}

bool FileReplacement::commit() {
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error) return false;  // the destructor removes the temporary file
    temporary_.clear();
    // The rename itself lives in the folder; make it durable too.
    const auto folder = target_.parent_path().empty() ? std::filesystem::path(".") : target_.parent_path();
    if (const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
    return true;
}

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : temporary_(std::move(other.temporary_)), target_(std::move(other.target_)) {
    other.temporary_.clear();
}

FileReplacement::~FileReplacement() {
    if (temporary_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
}

bool write_file(const std::filesystem::path& path, std::string_view bytes) {
    auto replacement = FileReplacement::write(path, bytes);
    return replacement && replacement->commit();
}

}  // namespace norvexa
