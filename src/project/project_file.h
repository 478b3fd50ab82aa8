#pragma once

#include <optional>
#include <string>
#include <vector>

#include "input/form1.h"
#include "input/form3.h"

namespace norvexa {

// The first line of every project file, exactly.
inline constexpr const char* project_marker = "file N O R V E X A";
inline constexpr std::size_t project_line_count = 51;

// The project's 51 lines as the form and the title hold them now: the marker, the title,
// the two material names, the shape flags, sizes, layers, stirrups, shear switch,
// actions, slider positions and all four layers' bar lists.
std::vector<std::string> project_lines(const Form1& form, const Form3& title);

// A character of the project's lines that the file would store as '?', and the field
// that holds it, as a message names it ("Il titolo del progetto").
struct UnstorableCharacter {
    std::string field;
    char32_t character = 0;
};
// The first such character of project_lines; nullopt when every line is stored faithfully.
std::optional<UnstorableCharacter> first_unstorable_character(const std::vector<std::string>& lines);

// Why a project could not be read into the form, in words for a diagnostic; empty
// when it was read.
struct ProjectRestore {
    std::string failure;
    explicit operator bool() const { return failure.empty(); }
};

// Puts lines 2 to 51 into their fields in file order, each as typing would (so every
// change handler runs), then reads the two materials they name from the library into
// the form's labels. Lines after the 51st are ignored; line 1 is the caller's to check.
// Fails at the first of: the lines end early, a flag is neither "True" nor "False" (or
// neither shape is chosen), an integer is not a number or is refused by its control, a
// text is refused by its field's entry rule, the layer count is not one of its items, a
// bar group's area is one no label can show, a material cannot be read. The fields
// restored before the failure keep their new texts.
ProjectRestore restore_project(Form1& form, Form3& title, const std::vector<std::string>& lines);

}  // namespace norvexa
