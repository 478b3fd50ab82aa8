#pragma once

#include <string>
#include <vector>

#include "common/colour.h"

namespace norvexa {

// What the program knows of one control of a window.
struct Control {
    std::string text;                  // text or caption, UTF-8
    std::vector<std::string> items;    // list fields only
    bool enabled = true;
    bool visible = true;
    Colour back = colours::white;
    Colour fore = colours::black;
    int value = 0;                     // check box, option button, slider position

    bool operator==(const Control&) const = default;
};

// What kind of widget shows a control.
enum class ControlKind {
    text_field,      // one line of text
    editable_list,   // a drop-down list the user may also type into
    choice_list,     // a drop-down list that takes only its items
    file_list,       // a list of a folder's files, picked by a click
    label,           // a caption the user cannot edit
    option_button,   // one of a group of exclusive choices; value 1 when chosen
    check_box,       // value 1 when checked
    slider,          // value: the position, within minimum..maximum
    command_button,
    tool_bar,        // items: the buttons' tool tips, from button 1; "" is a separator
    frame,           // a captioned group box
    panel,           // a coloured area behind other controls; back is its colour
    picture,
    tab_panel,       // value: the page shown; items: the pages' captions
};

// Where and how a window shows one of its controls.
struct ControlInfo {
    ControlKind kind = ControlKind::label;
    std::string frame;   // the frame that holds it; empty when none
    int page = -1;       // the page of the window's tab panel it lies on; -1 when none
    std::string group;   // option buttons that exclude each other share a group
    int minimum = 0, maximum = 0;  // a slider's range
    std::string tip;     // the tool tip; empty for none
};

}  // namespace norvexa
