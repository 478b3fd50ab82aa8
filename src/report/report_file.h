#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace norvexa {

// The save dialog's filter of a report: rich text or plain text.
inline constexpr const char* report_file_filter = "Rich Text Format (*.rtf)|*.rtf|File di testo (*.txt)|*.txt";

// Whether a report saved under that name is a text file: it ends in ".txt", whatever the case.
bool names_text_file(std::string_view name);

// Writes a report to the file the user named: its lines as text to a text file, as rich
// text otherwise. False when the file could not be written.
bool save_report_file(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace norvexa
