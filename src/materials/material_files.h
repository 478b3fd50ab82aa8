#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "common/control.h"

namespace norvexa {

enum class MaterialKind { steel, concrete };

// A concrete or a steel: its name (which is its file name) and its property texts in
// file order, exactly as typed: steel fyk, gammaS, fyd, Es, epsyd, epssu (six);
// concrete Rck, fck, gammaC, fcd, alfa, fcdstar, epscu, taurd (eight).
struct Materiale {
    MaterialKind kind = MaterialKind::steel;
    std::string nome;
    std::vector<std::string> fields;

    bool operator==(const Materiale&) const = default;
};

std::size_t field_count(MaterialKind kind);  // 6 or 8
std::filesystem::path material_folder(MaterialKind kind);

// "Feb 44 K" and "C 25-30", the materials the input form starts with.
const Materiale& reference_material(MaterialKind kind);
// A new material as the library windows start it: empty name and fields but for the
// defaults gammaS 1,15, Es 200000, epssu 10 / gammaC 1,6, alfa 0,85, epscu 3,5.
Materiale new_material(MaterialKind kind);

enum class MaterialError { none, invalid_name, missing, unreadable, too_short };

struct MaterialRead {
    Materiale material;  // valid when error is none
    MaterialError error = MaterialError::none;
};

// Reads folder + name: the first six (eight) lines; further lines are ignored. A name
// that is empty, ".", "..", or holds '/', '\' or a NUL is invalid (it would leave the
// folder). missing when no such regular file exists (a folder or a FIFO of that name is
// missing too), unreadable when it exists but cannot be read.
MaterialRead read_material(MaterialKind kind, const std::string& name);
// Writes the six (eight) lines to folder + nome, replacing any file of that name and
// creating the kind's folder when missing. Returns false when the name is invalid or
// cannot be stored in a project, the field count is not six (eight), or the write fails
// (any previous file is then kept).
bool write_material(const Materiale& material);
// Removes the regular file folder + name; false when the name is invalid or no such file
// could be removed.
bool delete_material(MaterialKind kind, const std::string& name);
// The names of all regular files in the kind's folder but the temporary files of saves
// (is_temporary_file_name), sorted; empty when the folder is missing.
std::vector<std::string> list_materials(MaterialKind kind);

// Why a material of that name cannot go into a project: a project file stores the name
// in Windows-1252, and a character it cannot hold would make the project name another
// material. Empty when the name can be stored.
std::string unstorable_name_text(const std::string& name);

// What the user is told when a chosen material cannot be read.
std::string unreadable_material_text(MaterialKind kind, const std::string& name);
// Puts the material's name, then its fields in file order, into the controls' texts.
void show_material_in(std::span<Control> controls, const Materiale& material);

}  // namespace norvexa
