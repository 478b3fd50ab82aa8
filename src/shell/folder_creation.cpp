#include "shell/folder_creation.h"

#include <filesystem>
#include <system_error>

#include "common/program_folder.h"
#include "materials/reference_materials.h"

namespace norvexa {

std::vector<std::string> Cartelle::folders() {
    return {(concrete_folder() / "").string(), (steel_folder() / "").string()};
}

bool Cartelle::create() {
    for (const auto& folder : {concrete_folder(), steel_folder()}) make_folder(folder);
    std::error_code error;
    if (!std::filesystem::is_directory(concrete_folder(), error) || !std::filesystem::is_directory(steel_folder(), error))
        return false;
    add_reference_materials();
    return true;
}

}  // namespace norvexa
