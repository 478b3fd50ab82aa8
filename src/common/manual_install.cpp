#include "common/manual_install.h"

#include <system_error>

#include "common/line_file.h"
#include "common/program_folder.h"

namespace norvexa {
namespace {

bool is_file(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool begins_as_rich_text(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const auto start = text.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && text.substr(start, 5) == "{\\rtf";
}

// Why no manual may be written to the target; nullopt when one may. A link, even a
// broken one, is the user's and stays.
std::optional<ManualInstall> occupied(const std::filesystem::path& target) {
    std::error_code error;
    const auto type = std::filesystem::symlink_status(target, error).type();
    if (type == std::filesystem::file_type::none) return ManualInstall::failed;  // not even looked at
    if (type != std::filesystem::file_type::not_found) return ManualInstall::already_there;
    return std::nullopt;
}

}  // namespace

std::vector<std::filesystem::path> shipped_manual_candidates(const std::filesystem::path& executable) {
    std::vector<std::filesystem::path> candidates;
    if (!executable.empty())
        candidates.push_back(executable.parent_path().parent_path() / "share" / "norvexa" / "manuale.rtf");
#ifdef NORVEXA_MANUAL_SOURCE
    candidates.emplace_back(NORVEXA_MANUAL_SOURCE);
#endif
    candidates.emplace_back("/usr/local/share/norvexa/manuale.rtf");
    candidates.emplace_back("/usr/share/norvexa/manuale.rtf");
    return candidates;
}

std::optional<std::filesystem::path> first_existing_file(const std::vector<std::filesystem::path>& candidates) {
    for (const auto& candidate : candidates)
        if (is_file(candidate)) return candidate;
    return std::nullopt;
}

std::optional<std::filesystem::path> bundled_manual_path() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return first_existing_file(shipped_manual_candidates(error ? std::filesystem::path() : executable));
}

ManualInstall install_manual_text(std::string_view text, const std::filesystem::path& target) {
    if (const auto reason = occupied(target)) return *reason;
    if (!begins_as_rich_text(text)) return ManualInstall::nothing_shipped;
    make_folder(target.parent_path());
    return write_file(target, text) ? ManualInstall::installed : ManualInstall::failed;
}

ManualInstall install_manual(const std::filesystem::path& shipped, const std::filesystem::path& target) {
    if (shipped.empty()) return ManualInstall::nothing_shipped;
    // The shipped copy is read only when it will be written: the help window asks every time it opens.
    if (const auto reason = occupied(target)) return *reason;
    const auto text = read_small_file(shipped, largest_manual_bytes);
    if (!text) return ManualInstall::nothing_shipped;
    return install_manual_text(*text, target);
}

}  // namespace norvexa
