#include "input/form1.h"

#include <algorithm>
#include <utility>

#include "analysis/layer_count.h"
#include "common/numbers.h"
#include "input/input_rules.h"
#include "shell/settings_file.h"

namespace norvexa {
namespace {

const DisplaySettings design_look;

std::string indexed(const char* stem, int i) { return stem + std::to_string(i); }

// Group area labels: a1..a3 on the first page, A<group><layer> on the others.
std::string group_area_name(int layer, int group) {
    return layer == 0 ? indexed("a", group + 1) : "A" + std::to_string(group + 1) + std::to_string(layer + 1);
}

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
}

Form1::Load Form1::reload() {
    for (const auto& [name, control] : registry_) *control = Control{};
    set_start_state();
    salvaconnome = false;
    mouse_pointer = default_pointer;
    return Form_Load(missing_folders_);
}

void Form1::build_registry() {
    auto add = [this](std::string name, Control& c) { registry_.emplace_back(std::move(name), &c); };
    add("rett", rett), add("t", t), add("COOR", COOR), add("lblB2", lblB2), add("lblH2", lblH2);
    add("webSketch", webSketch), add("tb", tb), add("th", th), add("tb2", tb2), add("th2", th2);
    add("strati", strati);
    for (int k = 0; k < 4; ++k) add(indexed("ta", k + 1), ta[k]);
    for (int k = 0; k < 4; ++k) add(indexed("td", k + 1), td[k]);
    for (int k = 0; k < 4; ++k) add(indexed("lblAs", k + 1), lblAs[k]);
    for (int k = 0; k < 4; ++k) add(indexed("lblD", k + 1), lblD[k]);
    for (int k = 0; k < 4; ++k) add(indexed("barFrame", k + 1), barFrame[k]);
    for (int k = 0; k < 4; ++k) add(indexed("Command", k + 3), returnButton[k]);
    for (int k = 0; k < 4; ++k)
        for (int g = 0; g < 3; ++g) add("n" + std::to_string(k + 1) + "a" + std::to_string(g + 1), n[k][g]);
    for (int k = 0; k < 4; ++k)
        for (int g = 0; g < 3; ++g) add("f" + std::to_string(k + 1) + "a" + std::to_string(g + 1), f[k][g]);
    for (int k = 0; k < 4; ++k)
        for (int g = 0; g < 3; ++g) add(group_area_name(k, g), groupArea[k][g]);
    add("atot", total[0]);
    for (int k = 1; k < 4; ++k) add(indexed("ATOT", k + 1), total[k]);
    add("SSTab1", SSTab1), add("frameStaffe", frameStaffe), add("lblNbr", lblNbr), add("lblDst", lblDst);
    add("lblPasso", lblPasso), add("lblAst", lblAst), add("nbr", nbr), add("dst", dst), add("passo", passo);
    add("ast", ast), add("Check5", Check5), add("Check1", Check1), add("TMS", TMS), add("TVS", TVS);
    add("sl1", sl1), add("sl2", sl2), add("rettang", rettang), add("toller", toller), add("Command1", Command1);
    add("File1", File1), add("File2", File2);
    for (int i = 0; i < 7; ++i) add(indexed("stl", i + 1), stl[i]);
    for (int i = 0; i < 9; ++i) add(indexed("con", i + 1), con[i]);
    add("Shape5", Shape5), add("Shape6", Shape6), add("Shape7", Shape7), add("Shape8", Shape8);
    add("Shape9", Shape9), add("Shape10", Shape10), add("Shape11", Shape11), add("Frame1", Frame1);
    for (int i = 0; i < 4; ++i) add(indexed("s", i + 1), s[i]);
    for (int i = 0; i < 4; ++i) add(indexed("sq", i + 1), sq[i]);

    for (const auto& [name, control] : registry_) by_name_.emplace(name, control);
    for (const char* field : {"nbr", "dst", "passo", "lblNbr", "lblDst", "lblPasso", "lblAst"})
        frame_of_.emplace(field, "frameStaffe");
    // The bar fields of a layer are usable only while its bar-list frame is enabled.
    std::unordered_map<const Control*, std::string_view> name_of;
    for (const auto& [name, control] : registry_) name_of.emplace(control, name);
    for (int k = 0; k < 4; ++k)
        for (int g = 0; g < 3; ++g)
            for (const Control* c : {&n[k][g], &f[k][g]}) frame_of_.emplace(name_of[c], name_of[&barFrame[k]]);
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
    const auto frame = frame_of_.find(name);
    return frame == frame_of_.end() || usable(frame->second);
}

void Form1::set_text(Control& control, std::string text) {
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
