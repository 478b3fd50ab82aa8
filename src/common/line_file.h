#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvexa {

// Windows-1252 <-> UTF-8. A character that Windows-1252 cannot hold becomes '?';
// invalid UTF-8 bytes also become '?'.
std::string to_windows1252(std::string_view utf8);
std::string from_windows1252(std::string_view bytes);

// Reads a single-byte line file: Windows-1252 on disk, UTF-8 returned; lines end with
// CR LF or a lone LF, and a last line without an ending still counts. nullopt when the
// file cannot be opened or read (missing, a folder, no permission).
std::optional<std::vector<std::string>> read_lines(const std::filesystem::path& path);

// Writes the lines, each followed by CR LF, in Windows-1252. The file is written to a
// temporary file in the same folder and renamed over the target, so a failed write
// leaves any previous file as it was. Returns false on failure.
bool write_lines(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace norvexa
