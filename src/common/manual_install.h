#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/line_file.h"

namespace norvexa {

// The largest manual read: a rich-text manual of a few hundred pages stays far below.
inline constexpr std::size_t largest_manual_bytes = 16 * 1024 * 1024;

// Where the manual shipped with the program may lie, most specific first: the share
// folder beside the executable's folder (<prefix>/bin/norvexa ->
// <prefix>/share/norvexa/manuale.rtf), then the source copy a build names
// (NORVEXA_MANUAL_SOURCE, when the build defines it), then /usr/local/share/norvexa and
// /usr/share/norvexa. executable may be empty.
std::vector<std::filesystem::path> shipped_manual_candidates(const std::filesystem::path& executable);

// The first candidate that is a regular file; nullopt when none is.
std::optional<std::filesystem::path> first_existing_file(const std::vector<std::filesystem::path>& candidates);

// The shipped manual for the running program (its executable read from /proc/self/exe).
std::optional<std::filesystem::path> bundled_manual_path();

enum class ManualInstall {
    already_there,    // the target exists (a file, a link, anything): left untouched
    installed,        // the shipped copy was written to the target
    nothing_shipped,  // the shipped copy is missing, unreadable or not rich text
    failed,           // the target could not be written
};

// Puts the manual into the program folder (target, normally manual_file()) when there is
// none there: the text is written through a temporary file, the folder made when
// missing. A manual already there is never replaced, whatever it holds, so a user's own
// copy survives. Text that does not begin as rich text ("{\rtf") is not installed.
ManualInstall install_manual_text(std::string_view text, const std::filesystem::path& target);
// The same with the text read from the shipped file (empty path: nothing shipped).
ManualInstall install_manual(const std::filesystem::path& shipped, const std::filesystem::path& target);

}  // namespace norvexa
