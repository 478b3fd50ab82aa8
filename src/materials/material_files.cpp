#include "materials/material_files.h"

#include <algorithm>
#include <string_view>
#include <system_error>

#include "common/line_file.h"
#include "common/program_folder.h"
#include "common/temporary_name.h"

namespace norvexa {
namespace {

// The name becomes a file name inside the kind's folder; anything that could reach
// another folder (or cut the path short) is refused.
bool is_valid_name(const std::string& name) {
    constexpr std::string_view forbidden("/\\\0", 3);
    return !name.empty() && name != "." && name != ".." && name.find_first_of(forbidden) == std::string::npos;
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
    if (!is_valid_name(name)) return {{}, MaterialError::invalid_name};
    const auto path = material_folder(kind) / name;
    auto lines = read_lines(path);
    if (!lines) {
        // Anything there that is not a regular file (a folder, a FIFO) is no material.
        std::error_code error;
        const bool absent = !std::filesystem::exists(path, error) && !error;
        const bool missing = absent || (!error && !std::filesystem::is_regular_file(path, error) && !error);
        return {{}, missing ? MaterialError::missing : MaterialError::unreadable};
    }
    const std::size_t count = field_count(kind);
    if (lines->size() < count) return {{}, MaterialError::too_short};
    lines->resize(count);
    return {{kind, name, std::move(*lines)}, MaterialError::none};
}

bool write_material(const Materiale& material) {
    if (!is_valid_name(material.nome) || !unstorable_name_text(material.nome).empty() ||
        material.fields.size() != field_count(material.kind))
        return false;
    const auto folder = material_folder(material.kind);
    make_folder(folder);  // a fresh program folder has no material folders yet
    return write_lines(folder / material.nome, material.fields);
}

bool delete_material(MaterialKind kind, const std::string& name) {
    if (!is_valid_name(name)) return false;
    const auto path = material_folder(kind) / name;
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && std::filesystem::remove(path, error);
}

std::vector<std::string> list_materials(MaterialKind kind) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(material_folder(kind), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code status_error;
        auto name = it->path().filename().string();
        // A save stopped before its rename leaves its temporary file, which is no material.
        if (it->is_regular_file(status_error) && !is_temporary_file_name(name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string unstorable_name_text(const std::string& name) {
    const auto character = first_unstorable(name);
    if (!character) return {};
    return "Il nome del materiale " + name + " contiene il carattere " + quoted_character(*character) +
           ", che un file di progetto non può contenere.";
}

std::string unreadable_material_text(MaterialKind kind, const std::string& name) {
    return "Impossibile leggere il materiale " + name + ": il file manca o ha meno di " +
           std::to_string(field_count(kind)) + " righe";
}

void show_material_in(std::span<Control> controls, const Materiale& material) {
    controls[0].text = material.nome;
    for (std::size_t i = 0; i < material.fields.size(); ++i) controls[i + 1].text = material.fields[i];
}

}  // namespace norvexa
