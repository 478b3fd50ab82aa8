#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

namespace norvexa {

// The file that a chain of symbolic links ends at, followed even when that file does
// not exist yet; the path itself when it is no link. error is set only when a link
// cannot be read or the chain is too long.
std::filesystem::path link_target(std::filesystem::path path, std::error_code& error);

// A file's new content, written in full and flushed to the disk beside the file but not
// yet in its place: what a write leaves behind if the program or the machine stops
// before the rename. Dropped without commit, it removes its temporary file.
class FileReplacement {
  public:
    // Writes the bytes to a temporary file in the folder of the file that path's links
    // end at, with that file's permissions when it exists, and its owner and group as far
    // as the process may give them (root any, a user one of their own groups). nullopt on
    // failure, which leaves nothing behind, and when that file exists but the user may not
    // write it.
    static std::optional<FileReplacement> write(const std::filesystem::path& path, std::string_view bytes);

    // Renames the temporary file over the target and flushes the folder, so the target
    // is the whole old file or the whole new one. false on failure, the old file intact.
    bool commit();

    const std::filesystem::path& temporary() const { return temporary_; }

    FileReplacement(FileReplacement&& other) noexcept;
    FileReplacement& operator=(FileReplacement&&) = delete;
    FileReplacement(const FileReplacement&) = delete;
    ~FileReplacement();

  private:
    FileReplacement(std::filesystem::path temporary, std::filesystem::path target)
        : temporary_(std::move(temporary)), target_(std::move(target)) {}

    std::filesystem::path temporary_, target_;  // temporary_ empty once committed or moved from
};

// Replaces the file with the bytes through a FileReplacement: a failed write leaves any
// previous file as it was. A symbolic link is written through to the file it names.
// Returns false on failure.
bool write_file(const std::filesystem::path& path, std::string_view bytes);

}  // namespace norvexa
