#include "input/form3.h"

namespace norvexa {

Form3::Form3() {
    Text1.text = "(TITOLO PROGETTO)";
    Label2.text = "VERIFICA C.A. AGLI STATI LIMITE ULTIMI";
}

void Form3::type_title(const std::string& text) {
    ++revision;
    if (Text1.text == text) return;
    Text1.text = text;
    Text1_Change();
}

void Form3::Text1_Change() {
    if (on_title_changed) on_title_changed();
}

void Form3::Text1_MouseDown() {
    ++revision;
    sel_start = 0;
    sel_length = 32000;
}

void Form3::select_title() {
    ++revision;
    has_focus = true;
    sel_start = 0;
    sel_length = 100;
}

}  // namespace norvexa
