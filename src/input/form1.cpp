#include "input/form1.h"

#include <algorithm>
#include <utility>

#include "analysis/layer_count.h"
#include "common/numbers.h"
#include "input/input_rules.h"
#include "common/settings_file.h"

namespace norvexa {
namespace {

const DisplaySettings design_look;

}  // namespace

Form1::Form1(Form3& title, AnalysisWindow& analysis, Prompter& prompter, HelpLine& help)
    : title_(title), analysis_(analysis), prompter_(prompter), help_(help) {
    build_registry();
    bind_handlers();
    set_start_state();
    title_.on_title_changed = [this] { salvaconnome = true; };
}

void Form1::set_start_state() {
    rett.text = "Rettangolare";
    rett.value = 1;
    t.text = "Sezione a T";
    COOR.text = "Coordinate";
    COOR.enabled = false;
    for (Control* c : {&rett, &t, &COOR}) c->back = design_look.mask;
    lblB2.text = "B2 (cm)";
    lblH2.text = "H2 (cm)";
    for (Control* c : {&lblB2, &lblH2, &webSketch, &tb2, &th2}) c->visible = false;
    for (Control* c : {&tb, &th, &tb2, &th2}) c->back = design_look.concrete;

    strati.back = design_look.steel;
    for (int k = 0; k < 4; ++k) {
        lblAs[k].text = "As" + std::to_string(k + 1) + " (cmq)";
        lblD[k].text = "d" + std::to_string(k + 1) + " (cm)";
        barFrame[k].text = "Armatura strato barre " + std::to_string(k + 1);
        returnButton[k].text = "Indietro";
        const bool usable_layer = k == 0;
        for (Control* c : {&ta[k], &td[k], &lblAs[k], &lblD[k], &barFrame[k]}) c->enabled = usable_layer;
        ta[k].back = td[k].back = usable_layer ? layer_tints[0] : design_look.mask;
    }

    frameStaffe.text = "Staffe";
    lblNbr.text = "N°b";
    lblDst.text = "φ";
    lblPasso.text = "S (cm)";
    lblAst.text = "Ast/m (cmq/ml)";
    Check5.text = " Verifica  taglio";
    Check5.value = 1;
    Check1.text = " Verifica  flessione";
    Check1.value = 1;
    Check1.enabled = false;
    TMS.text = "0";
    TVS.text = "0";
    sl1.value = 20;
    sl2.value = 10;
    rettang.text = "2";
    toller.text = "10";
    Command1.text = "Calcola";
    Command1.back = colours::button_face;

    show_material(reference_material(MaterialKind::steel));
    show_material(reference_material(MaterialKind::concrete));

    Shape10.back = design_look.concrete;
    Shape11.back = design_look.steel;
    for (Control* c : {&Shape5, &Shape6, &Shape7, &Shape8, &Shape9}) c->back = design_look.mask;
    for (int i = 0; i < 4; ++i) s[i].back = sq[i].back = design_look.mask;
    Frame1.back = design_look.line;
    set_captions();
}

Form1::Load Form1::reload() {
    for (const auto& [name, control] : registry_) *control = Control{};
    set_start_state();
    salvaconnome = false;
    mouse_pointer = default_pointer;
    return Form_Load(missing_folders_);
}

Control* Form1::find(std::string_view name) {
    return const_cast<Control*>(std::as_const(*this).find(name));
}

const Control* Form1::find(std::string_view name) const {
    const auto found = by_name_.find(name);
    return found == by_name_.end() ? nullptr : found->second;
}

bool Form1::usable(std::string_view name) const {
    const Control* c = find(name);
    if (!c || !c->enabled || !c->visible) return false;
    const std::string& frame = info(name).frame;
    return frame.empty() || usable(frame);
}

void Form1::set_text(Control& control, std::string text) {
    ++revision_;
    if (control.text == text) return;
    control.text = std::move(text);
    if (const auto handler = on_change_.find(&control); handler != on_change_.end()) handler->second();
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
