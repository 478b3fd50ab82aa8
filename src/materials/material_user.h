#pragma once

#include "common/colour.h"
#include "materials/material_files.h"

namespace norvexa {

// What a material library window needs of the window whose materials it edits: the input
// form, which implements it.
class MaterialUser {
  public:
    virtual ~MaterialUser() = default;

    // The name of the material of that kind the window now uses.
    virtual std::string material_name(MaterialKind kind) const = 0;
    // The window uses the material from now on; the project has changed.
    virtual void use_material(const Materiale& material) = 0;
    // Hides the window's list and properties of that kind while a library window is
    // open, and shows them again.
    virtual void show_material_frames(MaterialKind kind, bool shown) = 0;
    // Both material lists read their folders again.
    virtual void refresh_material_lists() = 0;
    // The colour behind the window's properties of that kind.
    virtual Colour material_colour(MaterialKind kind) const = 0;
};

}  // namespace norvexa
