#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace norvexa {

// The file that a chain of symbolic links ends at, followed even when that file does
// not exist yet; the path itself when it is no link. error is set only when a link
// cannot be read or the chain is too long.
std::filesystem::path link_target(std::filesystem::path path, std::error_code& error);

// A file's new content on its way into place; nothing of the target changes before
// commit.
//
// Most files are replaced: the content is written in full and flushed to the disk in a
// temporary file beside the target (named as is_temporary_file_name says), and commit
// renames it over the target, so the target is always the whole old file or the whole
// new one. A program or machine stopped before the rename leaves the old file and the
// temporary beside it.
//
// Two files are written in place instead, by commit: one with more than one hard link,
// which a rename would split from its other names, and one in a folder the user may not
// write, where no temporary can be made. That write is not atomic: commit writes the
// whole content from the start of the file, cuts the file to the new length and flushes
// it to the disk, and a stop or a failure during it may leave only some of the new content.
//
// Dropped without commit, a replacement removes its temporary file.
class FileReplacement {
  public:
    // Prepares the bytes for the file that path's links end at. Replacing, it writes
    // them to the temporary file, with that file's permissions when it exists, and its
    // owner and group as far as the process may give them (root any, a user one of their
    // own groups). In place, it opens the file for writing and keeps the bytes. nullopt
    // on failure, which leaves nothing behind, and when that file exists but the user may
    // not write it.
    static std::optional<FileReplacement> write(const std::filesystem::path& path, std::string_view bytes);

    // Puts the new content in place: renames the temporary file over the target and
    // flushes the folder, or writes the target in place. false on failure: a failed
    // rename leaves the old file intact, a failed write in place may not have.
    bool commit();

    // The temporary file holding the new content; empty for a file written in place.
    const std::filesystem::path& temporary() const { return temporary_; }

    FileReplacement(FileReplacement&& other) noexcept;
    FileReplacement& operator=(FileReplacement&&) = delete;
    FileReplacement(const FileReplacement&) = delete;
    ~FileReplacement();

  private:
    FileReplacement(std::filesystem::path temporary, std::filesystem::path target)
        : temporary_(std::move(temporary)), target_(std::move(target)) {}
    FileReplacement(int descriptor, std::string_view bytes, std::filesystem::path target)
        : target_(std::move(target)), descriptor_(descriptor), bytes_(bytes) {}
    bool commit_in_place();

    std::filesystem::path temporary_, target_;  // temporary_ empty once committed or moved from
    int descriptor_ = -1;                       // in place: the target open for writing until commit
    std::string bytes_;                         // in place: the content commit writes
};

// Replaces the file with the bytes through a FileReplacement: a failed write leaves any
// previous file as it was, but for a failure while writing in place. A symbolic link is
// written through to the file it names. Returns false on failure.
bool write_file(const std::filesystem::path& path, std::string_view bytes);

}  // namespace norvexa
