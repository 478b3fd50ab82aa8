#pragma once

#include <functional>
#include <string>

#include "common/window_model.h"

namespace norvexa {

// The title window: the project title Text1, an editable list of the titles used since
// start, with the program's heading Label2 and picture Picture1.
class Form3 : public WindowModel {
  public:
    Form3();

    // The user types the title or picks an item of its list.
    void type_title(const std::string& text);
    void Text1_Change();
    // Pressing a mouse button in the title selects all of it.
    void Text1_MouseDown();
    // Gives the title the focus with its text selected, so that typing replaces it.
    void select_title();
    // The title shown joins the list of titles used since start.
    void remember_title();

    // The project title; "(TITOLO PROGETTO)" at start.
    const std::string& text() const { return Text1.text; }
    // The selection to show in the title: its first character and its length.
    int sel_start() const { return sel_start_; }
    int sel_length() const { return sel_length_; }
    // Whether the title is to get the focus, once; the view tells the model when it has.
    bool has_focus() const { return has_focus_; }
    void focus_given() { has_focus_ = false; }

    static constexpr int height = 1035;  // twips; the input and analysis windows sit below it

    // Called on every change of the title; the input form marks the project changed.
    std::function<void()> on_title_changed;

  private:
    Control Text1, Label2, Picture1;
    int sel_start_ = 0;
    int sel_length_ = 0;
    bool has_focus_ = false;
};

}  // namespace norvexa
