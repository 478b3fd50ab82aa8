#include "materials/material_files.h"

#include <algorithm>
#include <system_error>

#include "common/line_file.h"
#include "common/program_folder.h"

namespace norvexa {
namespace {

bool valid_name(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

}  // namespace

std::size_t field_count(MaterialKind kind) { return kind == MaterialKind::steel ? 6 : 8; }

std::filesystem::path material_folder(MaterialKind kind) {
    return kind == MaterialKind::steel ? steel_folder() : concrete_folder();
}

const Materiale& reference_material(MaterialKind kind) {
    static const Materiale steel{MaterialKind::steel, "Feb 44 K", {"430", "1,15", "373,9", "200000", "1,87", "10"}};
    static const Materiale concrete{
        MaterialKind::concrete, "C 25-30", {"30", "25", "1,6", "15,63", "0,85", "13,28", "3,5", "0,28"}};
    return kind == MaterialKind::steel ? steel : concrete;
}

Materiale new_material(MaterialKind kind) {
    if (kind == MaterialKind::steel) return {kind, "", {"", "1,15", "", "200000", "", "10"}};
    return {kind, "", {"", "", "1,6", "", "0,85", "", "3,5", ""}};
}

MaterialRead read_material(MaterialKind kind, const std::string& name) {
    MaterialRead read;
    read.material.kind = kind;
    read.material.nome = name;
    if (!valid_name(name)) {
        read.error = MaterialError::invalid_name;
        return read;
    }
    const std::filesystem::path path = material_folder(kind) / name;
    const auto lines = read_lines(path);
    if (!lines) {
        std::error_code ignored;
        read.error = std::filesystem::exists(path, ignored) ? MaterialError::unreadable : MaterialError::missing;
        return read;
    }
    if (lines->size() < field_count(kind)) {
        read.error = MaterialError::too_short;
        return read;
    }
    read.material.fields.assign(lines->begin(), lines->begin() + static_cast<long>(field_count(kind)));
    return read;
}

bool write_material(const Materiale& material) {
    if (!valid_name(material.nome) || material.fields.size() != field_count(material.kind)) return false;
    return write_lines(material_folder(material.kind) / material.nome, material.fields);
}

bool delete_material(MaterialKind kind, const std::string& name) {
    if (!valid_name(name)) return false;
    std::error_code error;
    return std::filesystem::remove(material_folder(kind) / name, error) && !error;
}

std::vector<std::string> list_materials(MaterialKind kind) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(material_folder(kind), error), end; !error && it != end;
         it.increment(error))
        if (it->is_regular_file(error)) names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace norvexa
