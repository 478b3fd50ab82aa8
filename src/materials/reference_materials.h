#pragma once

#include <string>
#include <vector>

#include "materials/material_files.h"

namespace norvexa {

// The materials the library ships: "Feb 44 K" and "C 25-30" (reference_material), then
// the NTC 2018 steels B450C and B450A and the concretes C20/25 to C50/60, the class
// written "C20-25 NTC" since a name cannot hold '/'.
const std::vector<Materiale>& reference_materials();

struct ReferenceMaterialsAdded {
    int written = 0;
    std::vector<std::string> failed;  // the names that could not be written
};

// Writes every reference material whose name is free in its kind's folder. Anything
// already there under that name is kept, whatever it holds: it may be the user's own.
ReferenceMaterialsAdded add_reference_materials();

}  // namespace norvexa
