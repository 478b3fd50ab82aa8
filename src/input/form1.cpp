#include "input/form1.h"

namespace norvexa {

Form1::Form1(Form3& title, AnalysisWindow& analysis, Prompter& prompter, HelpLine& help)
    : WindowModel(&help), title_(title), analysis_(analysis), prompter_(prompter) {
    build_table();
    reset();
    title_.on_title_changed = [this] { salvaconnome = true; };
}

Form1::Load Form1::reload() {
    reset();
    salvaconnome = false;
    mouse_pointer = default_pointer;
    return Form_Load(missing_folders_);
}

void Form1::changed() {
    analysis_.compare_inputs(*this);
    if (on_changed) on_changed();
}

std::string Form1::text(std::string_view control) const {
    const Control* c = find(control);
    return c ? c->text : std::string{};
}

int Form1::value(std::string_view control) const {
    const Control* c = find(control);
    return c ? c->value : 0;
}

void Form1::set_back(std::string_view control, Colour colour) {
    if (Control* c = find(control)) c->back = colour;
}

}  // namespace norvexa
