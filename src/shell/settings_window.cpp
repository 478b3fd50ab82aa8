#include "shell/settings_window.h"

#include <algorithm>
#include <cmath>

#include "common/line_file.h"
#include "common/numbers.h"
#include "common/program_folder.h"
#include "common/settings_file.h"

namespace norvexa {
namespace {

const char* const swatch_captions[] = {"Calcestruzzo", "Acciaio", "Mascherina campi", "Linea finestra input/output"};

std::vector<std::string> numbered_items(int last) {
    std::vector<std::string> items;
    for (int i = 1; i <= last; ++i) items.push_back(std::to_string(i));
    return items;
}

int upper_bound_of(const Colori& window, const Control& list) { return &list == &window.c1 ? 40 : 20; }

}  // namespace

Colori::Colori(Prompter& prompter, ColourChooser& colours) : prompter_(prompter), colours_(colours) {
    auto add = [this](std::string name, Control& control, ControlKind kind, std::string frame = {},
                      std::string tip = {}) {
        info_.emplace_back(name, ControlInfo{kind, std::move(frame), -1, {}, 0, 0, std::move(tip)});
        registry_.emplace_back(std::move(name), &control);
    };
    add("frameColours", frameColours, ControlKind::frame);
    for (int i = 0; i < 4; ++i) {
        add("Label1_" + std::to_string(i), Label1[i], ControlKind::label, "frameColours");
        add("Command" + std::to_string(i + 1), swatch_buttons[i], ControlKind::command_button, "frameColours",
            "Scegli colore");
    }
    add("frameSliders", frameSliders, ControlKind::frame);
    add("lblC1", lblC1, ControlKind::label, "frameSliders");
    add("c1", c1, ControlKind::editable_list, "frameSliders", "Regola G rettangolini");
    add("lblC2", lblC2, ControlKind::label, "frameSliders");
    add("c2", c2, ControlKind::editable_list, "frameSliders", "Regola tolleranza");
    add("lblDefaults", lblDefaults, ControlKind::label);
    add("Command8", Command8, ControlKind::command_button, {}, "Carica impostazioni di default");
    add("lblWarning", lblWarning, ControlKind::label);
    add("Command7", Command7, ControlKind::command_button, {}, "Conferma ed esci");
    add("Command6", Command6, ControlKind::command_button, {}, "Esci senza modificare");
    set_start_state();
}

void Colori::set_start_state() {
    const DisplaySettings design;
    const Colour colours[] = {design.concrete, design.steel, design.mask, design.line};
    for (int i = 0; i < 4; ++i) {
        Label1[i] = Control{};
        Label1[i].text = swatch_captions[i];
        Label1[i].back = colours[i];
        swatch_buttons[i].text = "...";
    }
    frameColours.text = "Colori";
    frameSliders.text = "Precisione di calcolo predefinita";
    lblC1.text = "Rettang. cls:";
    lblC2.text = "Tolleranza:";
    c1 = Control{};
    c2 = Control{};
    Command8.text = "Carica ";
    lblDefaults.text = "Utilizza impostazioni predefinite";
    Command7.text = "OK";
    Command6.text = "Annulla";
    lblWarning.text =
        "Attenzione: per rendere effettive le nuove impostazioni la form principale verrà ricaricata e i dati "
        "correnti verranno persi";
}

void Colori::Form_Load() {
    ++revision_;
    set_start_state();
    const auto lines = read_lines(settings_file());
    bool read = lines && lines->size() >= 6;
    for (int i = 0; read && i < 4; ++i) {
        const auto number = settings_number((*lines)[i]);
        if (number) Label1[i].back = settings_colour(*number);
        read = number.has_value();
    }
    if (!read) {
        c1.text = "20";
        c2.text = "10";
        return;
    }
    c1.text = (*lines)[4];
    c2.text = (*lines)[5];
    c1.items = numbered_items(40);
    c2.items = numbered_items(20);
}

void Colori::choose_colour(int swatch) {
    ++revision_;
    if (const auto chosen = colours_.choose(Label1[swatch].back)) Label1[swatch].back = *chosen;
}

void Colori::c_Validate(Control& list) {
    ++revision_;
    const int bound = upper_bound_of(*this, list);
    const double leading = leading_number(list.text);
    // A leading number too large for a double is simply above the bound.
    const double value = std::isinf(leading) ? (leading > 0 ? bound + 1 : 0) : round_to(leading, 0);
    list.text = value > bound ? std::to_string(bound) : value < 1 ? "1" : to_text(value);
}

void Colori::Command8_Click() {
    ++revision_;
    const DisplaySettings defaults;
    const Colour colours[] = {defaults.concrete, defaults.steel, defaults.mask, defaults.line};
    for (int i = 0; i < 4; ++i) Label1[i].back = colours[i];
    c1.text = defaults.strip;
    c2.text = defaults.tolerance;
}

void Colori::KOLOR() {
    ++revision_;
    const DisplaySettings chosen{Label1[0].back, Label1[1].back, Label1[2].back, Label1[3].back, c1.text, c2.text};
    if (!write_settings(chosen)) {
        prompter_.ask({"Impossibile salvare le impostazioni: " + settings_file().string(), Icon::critical,
                       Buttons::ok, "Errore"});
        return;
    }
    if (reload_windows) reload_windows();
    if (close_window) close_window();
}

void Colori::Command6_Click() {
    ++revision_;
    if (close_window) close_window();
}

Control* Colori::find(std::string_view name) {
    for (const auto& [control_name, control] : registry_)
        if (control_name == name) return control;
    return nullptr;
}

const ControlInfo& Colori::info(std::string_view name) const {
    static const ControlInfo unknown;
    for (const auto& [control_name, info] : info_)
        if (control_name == name) return info;
    return unknown;
}

bool Colori::type(std::string_view name, const std::string& text) {
    Control* list = find(name);
    if (list != &c1 && list != &c2) return false;
    ++revision_;
    list->text = text;
    return true;
}

bool Colori::leave(std::string_view name) {
    Control* list = find(name);
    if (list != &c1 && list != &c2) return false;
    c_Validate(*list);
    return true;
}

bool Colori::choose(std::string_view name, const std::string& item) { return type(name, item); }

bool Colori::click(std::string_view name) {
    for (int i = 0; i < 4; ++i)
        if (name == "Command" + std::to_string(i + 1)) {
            choose_colour(i);
            return true;
        }
    if (name == "Command8") Command8_Click();
    else if (name == "Command7") KOLOR();
    else if (name == "Command6") Command6_Click();
    else return false;
    return true;
}

}  // namespace norvexa
