#include "common/program_folder.h"

#include <cstdlib>
#include <string_view>
#include <system_error>

namespace norvexa {
namespace {

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// "/opt/norvexa/" and "/opt/norvexa" name the same folder; return the second form.
std::filesystem::path without_trailing_separator(std::filesystem::path folder) {
    return folder.has_filename() ? folder : folder.parent_path();
}

}  // namespace

std::filesystem::path program_folder() {
    if (const auto home = variable("NORVEXA_HOME"); !home.empty()) return without_trailing_separator(home);
    // The XDG rules ignore a relative XDG_DATA_HOME, as they do an empty one.
    if (const std::filesystem::path data = variable("XDG_DATA_HOME"); data.is_absolute()) return data / "norvexa";
    return std::filesystem::path(variable("HOME")) / ".local" / "share" / "norvexa";
}

void make_folder(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
}

std::filesystem::path materials_folder() { return program_folder() / "materiali"; }
std::filesystem::path concrete_folder() { return materials_folder() / "cls"; }
std::filesystem::path steel_folder() { return materials_folder() / "acciaio"; }
std::filesystem::path settings_file() { return program_folder() / "FCOL"; }
std::filesystem::path report_text_file() { return program_folder() / "relazionetemp.txt"; }
std::filesystem::path report_rich_text_file() { return program_folder() / "relazionetempword.rtf"; }
std::filesystem::path manual_file() { return program_folder() / "manuale.rtf"; }

}  // namespace norvexa
