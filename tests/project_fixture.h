#pragma once

#include <filesystem>
#include <string>

#include "common/file_chooser.h"
#include "common/line_file.h"
#include "common/prompter.h"
#include "drawing/analysis_window.h"
#include "input/form1.h"
#include "input/form3.h"
#include "materials/material_files.h"
#include "project/project_commands.h"
#include "scripted_program.h"
#include "scratch_folder.h"

namespace norvexa {

// One running program's project side, over a scratch program folder whose library holds
// the two reference materials.
struct ProjectSession : ScriptedProgram {
    ProjectSession() {
        write_material(reference_material(MaterialKind::concrete));
        write_material(reference_material(MaterialKind::steel));
        form.Form_Load();
    }

    // Types into a field and leaves it, as a user would.
    void enter(const char* name, const std::string& text) {
        form.type(name, text);
        form.leave(name);
    }
    std::filesystem::path file(const char* name) const { return home.path() / name; }

    ScratchHome home;
};

}  // namespace norvexa
