#include "input/form3.h"

namespace norvexa {

Form3::Form3() {
    using K = ControlKind;
    add("Text1", Text1, K::editable_list).text("(TITOLO PROGETTO)").change([this] { Text1_Change(); })
        .press([this] { Text1_MouseDown(); });
    add("Label2", Label2, K::label).text("VERIFICA C.A. AGLI STATI LIMITE ULTIMI");
    add("Picture1", Picture1, K::picture);
    reset();
}

void Form3::type_title(const std::string& text) { type("Text1", text); }

void Form3::Text1_Change() {
    if (on_title_changed) on_title_changed();
}

void Form3::Text1_MouseDown() {
    touch();
    sel_start_ = 0;
    sel_length_ = 32000;
}

void Form3::select_title() {
    touch();
    has_focus_ = true;
    sel_start_ = 0;
    sel_length_ = 100;
}

void Form3::remember_title() {
    touch();
    Text1.items.push_back(Text1.text);
}

}  // namespace norvexa
