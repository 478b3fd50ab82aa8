#pragma once

#include <functional>
#include <string>

#include "common/control.h"

namespace norvexa {

// The title window: the project title with the list of titles used since start, and
// the program's heading.
class Form3 {
  public:
    Form3();

    // The user types the title or picks an item of its list.
    void type_title(const std::string& text);
    void Text1_Change();
    // Pressing a mouse button in the title selects all of it.
    void Text1_MouseDown();
    // Gives the title the focus with its text selected, so that typing replaces it.
    void select_title();

    Control Text1;     // "(TITOLO PROGETTO)" at start
    Control Label2;    // "VERIFICA C.A. AGLI STATI LIMITE ULTIMI"
    Control Picture1;
    int sel_start = 0;
    int sel_length = 0;
    bool has_focus = false;
    int height = 1035;  // twips; the input and analysis windows sit below it
    unsigned long revision = 0;  // bumped by every handler, for the views

    // Called on every change of the title; the input form marks the project changed.
    std::function<void()> on_title_changed;
};

}  // namespace norvexa
