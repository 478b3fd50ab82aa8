#include "common/file_replacement.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/temporary_name.h"

namespace norvexa {
namespace {

// Writes all the bytes from the start of the file, however the system splits the write.
bool write_all(int descriptor, std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written =
            ::pwrite(descriptor, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

std::filesystem::path folder_of(const std::filesystem::path& path) {
    return path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
}

// Creates a new file in the folder under a temporary name, beside the target so that the
// rename stays on one file system. The exclusive creation refuses an existing file, so a
// temporary never clobbers another file; a name already taken is tried again with another.
int create_temporary(const std::filesystem::path& folder, std::filesystem::path& path) {
    constexpr int attempts = 8;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        path = folder / temporary_file_name();
        if (const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); descriptor >= 0)
            return descriptor;
        if (errno != EEXIST) break;
    }
    return -1;
}

// Gives the new file the owner and group of the file it replaces where the process may:
// root may give any, a user only one of their own groups. What is refused stays the
// writer's, as in a file the writer makes new, and the save goes on.
void give_owner_and_group(int descriptor, const struct stat& old) {
    static_cast<void>(::fchown(descriptor, old.st_uid, old.st_gid) == 0 ||
                      ::fchown(descriptor, static_cast<uid_t>(-1), old.st_gid) == 0);
}

// Creates the temporary file with the owner, group and permissions of the file it will
// replace (old, when there is one) as far as the process may give them, and writes the
// bytes; on failure removes what it created.
bool write_new_file(std::filesystem::path& path, const std::filesystem::path& target, const struct stat* old,
                    std::string_view bytes) {
    const int descriptor = create_temporary(folder_of(target), path);
    if (descriptor < 0) return false;
    // Before the permissions: a change of owner clears the set-user and set-group bits.
    if (old) give_owner_and_group(descriptor, *old);
    const bool kept = !old || ::fchmod(descriptor, old->st_mode & 07777) == 0;
    // On disk before the rename, so that a power loss leaves the old file or the whole new one.
    const bool written = kept && write_all(descriptor, bytes) && ::fsync(descriptor) == 0;
    const bool closed = ::close(descriptor) == 0;
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
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // A file the user may not write stays as it is, as it would if written in place.
    if (exists && ::access(target.c_str(), W_OK) != 0) return std::nullopt;
    // A rename would split a file from its other hard links, and needs a folder the user may write.
    if (exists && S_ISREG(old.st_mode) &&
        (old.st_nlink > 1 || ::access(folder_of(target).c_str(), W_OK | X_OK) != 0)) {
        const int descriptor = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
        if (descriptor < 0) return std::nullopt;
        return FileReplacement(descriptor, bytes, std::move(target));
    }
    std::filesystem::path temporary;
    if (!write_new_file(temporary, target, exists ? &old : nullptr, bytes)) return std::nullopt;
    return FileReplacement(std::move(temporary), std::move(target));
}

bool FileReplacement::commit() {
    if (descriptor_ >= 0) return commit_in_place();
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error) return false;  // the destructor removes the temporary file
    temporary_.clear();
    // The rename itself lives in the folder; make it durable too.
    if (const int folder = ::open(folder_of(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

bool FileReplacement::commit_in_place() {
    // Cut after the write, so the file never holds less than the new content while it is written.
    const bool written = write_all(descriptor_, bytes_) &&
                         ::ftruncate(descriptor_, static_cast<off_t>(bytes_.size())) == 0 && ::fsync(descriptor_) == 0;
    const bool closed = ::close(descriptor_) == 0;
    descriptor_ = -1;
    bytes_.clear();
    return written && closed;
}

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : temporary_(std::move(other.temporary_)),
      target_(std::move(other.target_)),
      descriptor_(other.descriptor_),
      bytes_(std::move(other.bytes_)) {
    other.temporary_.clear();
    other.descriptor_ = -1;
}

FileReplacement::~FileReplacement() {
    if (descriptor_ >= 0) ::close(descriptor_);
    if (temporary_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
}

bool write_file(const std::filesystem::path& path, std::string_view bytes) {
    auto replacement = FileReplacement::write(path, bytes);
    return replacement && replacement->commit();
}

}  // namespace norvexa
