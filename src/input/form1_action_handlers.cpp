// Handlers of the stirrups, the shear switch, the design actions, the precision
// sliders, the calculate command and the material lists.
#include "common/numbers.h"
#include "input/form1.h"
#include "input/input_rules.h"

namespace norvexa {

void Form1::stirrup_Change(Control& field) {
    salvaconnome = true;
    if (!entry_accepted(field)) return;
    // A spacing of 0 would divide by zero: it is emptied like a zero size.
    if (&field == &passo && leading_number_is_zero(field.text)) {
        set_text(field, "");
        return;
    }
    if (update_stirrup_area()) return;
    // The field whose value makes the area too large is refused, not the one just typed.
    Control* factors[] = {&nbr, &dst, &passo};
    refuse(*factors[overflowing_factor({{nbr.text, 1}, {dst.text, 2}, {passo.text, -1}})]);
}

bool Form1::update_stirrup_area() {
    if (nbr.text.empty() || dst.text.empty() || passo.text.empty()) return true;
    const auto area = stirrup_area_text(nbr.text, dst.text, passo.text);
    ast.text = area.value_or("");
    return area.has_value();
}

void Form1::stirrup_Validate(Control& field) {
    const bool filled = !nbr.text.empty() && !dst.text.empty() && !passo.text.empty();
    if (!filled) ast.text.clear();
    else if (&field == &passo) set_text(passo, points_to_commas(passo.text));
}

void Form1::Check5_Click() {
    salvaconnome = true;
    const bool on = Check5.value == 1;
    analysis_.show_shear_panel(on);
    for (Control* c : {&frameStaffe, &lblNbr, &lblDst, &lblPasso, &lblAst}) c->enabled = on;
    for (Control* field : {&nbr, &dst, &passo}) {
        if (!on) set_text(*field, "");
        field->back = on ? colours::white : switched_off();
    }
    TVS.enabled = on;
    TVS.back = on ? colours::white : switched_off();
    set_text(TVS, on ? "0" : "");
}

void Form1::action_Change(Control& action) {
    salvaconnome = true;
    if (!action.text.empty()) entry_accepted(action);
}

void Form1::action_Validate(Control& action) { set_text(action, action_on_leaving(action.text)); }

void Form1::sl1_Change() {
    salvaconnome = true;
    rettang.text = to_text(sl1.value / 10.0);
}

void Form1::sl2_Change() {
    salvaconnome = true;
    toller.text = to_text(sl2.value);
}

void Form1::Command1_Click() {
    touch();
    analysis_.variabili(*this, prompter_);
    mouse_pointer = default_pointer;
}

void Form1::Command1_MouseDown() {
    touch();
    analysis_.show_busy(true);
    Command1.back = rgb(128, 128, 128);
}

void Form1::Command1_MouseUp() {
    touch();
    analysis_.show_busy(false);
    Command1.back = colours::button_face;
}

void Form1::File_Click(MaterialKind kind) {
    salvaconnome = true;
    const std::string& name = (kind == MaterialKind::steel ? File1 : File2).text;
    if (const std::string problem = unstorable_name_text(name); !problem.empty())
        prompter_.ask({problem, Icon::warning, Buttons::ok, "Attenzione"});
    else if (!take_material(kind, name))
        prompter_.ask({unreadable_material_text(kind, name), Icon::critical, Buttons::ok, "Errore"});
}

bool Form1::take_material(MaterialKind kind, const std::string& name) {
    const MaterialRead read = norvexa::read_material(kind, name);
    if (read.error != MaterialError::none) return false;
    show_material(read.material);
    return true;
}

void Form1::show_material(const Materiale& material) {
    if (material.kind == MaterialKind::steel) show_material_in(stl, material);
    else show_material_in(con, material);
}

std::string Form1::material_name(MaterialKind kind) const {
    return (kind == MaterialKind::steel ? stl[0] : con[0]).text;
}

void Form1::use_material(const Materiale& material) {
    touch();
    show_material(material);
    // The project now uses another material: the exit and new-project questions must ask.
    salvaconnome = true;
    changed();
}

void Form1::show_material_frames(MaterialKind kind, bool shown) {
    touch();
    if (kind == MaterialKind::steel) frameAcciaio.visible = frameSteelProperties.visible = shown;
    else frameCls.visible = frameConcreteProperties.visible = shown;
}

void Form1::refresh_material_lists() {
    File_LostFocus(MaterialKind::steel);
    File_LostFocus(MaterialKind::concrete);
}

Colour Form1::material_colour(MaterialKind kind) const {
    return (kind == MaterialKind::steel ? Shape11 : Shape10).back;
}

void Form1::File_LostFocus(MaterialKind kind) {
    (kind == MaterialKind::steel ? File1 : File2).items = list_materials(kind);
}

}  // namespace norvexa
