#include "shell/calculator.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace norvexa {
namespace {

bool is_executable_file(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

std::vector<std::string_view> folders_of(std::string_view search_path) {
    std::vector<std::string_view> folders;
    while (true) {
        const auto colon = search_path.find(':');
        const std::string_view folder = search_path.substr(0, colon);
        if (!folder.empty() && folder.front() == '/') folders.push_back(folder);
        if (colon == std::string_view::npos) return folders;
        search_path.remove_prefix(colon + 1);
    }
}

}  // namespace

std::optional<std::filesystem::path> find_calculator(std::string_view search_path) {
    const auto folders = folders_of(search_path);
    for (const char* name : calculator_names)
        for (const std::string_view folder : folders) {
            const std::filesystem::path candidate = std::filesystem::path(folder) / name;
            if (is_executable_file(candidate)) return candidate;
        }
    return std::nullopt;
}

bool kalk(ProgramStarter& starter, Prompter& prompter) {
    const char* path = std::getenv("PATH");
    return kalk(starter, prompter, path ? path : "");
}

bool kalk(ProgramStarter& starter, Prompter& prompter, std::string_view search_path) {
    if (const auto calculator = find_calculator(search_path); calculator && starter.start_detached(*calculator))
        return true;
    prompter.ask({calculator_missing_message, Icon::critical, Buttons::ok, "Attenzione"});
    return false;
}

}  // namespace norvexa
