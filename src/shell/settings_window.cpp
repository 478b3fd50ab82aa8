#include "shell/settings_window.h"

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
    for (int i = lowest_slider_position; i <= last; ++i) items.push_back(std::to_string(i));
    return items;
}

}  // namespace

Colori::Colori(Prompter& prompter, ColourChooser& colours) : prompter_(prompter), colours_(colours) {
    using K = ControlKind;
    const DisplaySettings design;
    const Colour design_colours[] = {design.concrete, design.steel, design.mask, design.line};
    add("frameColours", frameColours, K::frame).text("Colori");
    for (int i = 0; i < 4; ++i) {
        add("Label1_" + std::to_string(i), Label1[i], K::label)
            .in("frameColours")
            .text(swatch_captions[i])
            .back(design_colours[i]);
        add("Command" + std::to_string(i + 1), swatch_buttons[i], K::command_button)
            .in("frameColours")
            .tip("Scegli colore")
            .text("...")
            .click([this, i] { choose_colour(i); });
    }
    add("frameSliders", frameSliders, K::frame).text("Precisione di calcolo predefinita");
    add("lblC1", lblC1, K::label).in("frameSliders").text("Rettang. cls:");
    add("c1", c1, K::editable_list)
        .in("frameSliders")
        .tip("Regola G rettangolini")
        .leave([this] { c_Validate(c1, last_strip_position); });
    add("lblC2", lblC2, K::label).in("frameSliders").text("Tolleranza:");
    add("c2", c2, K::editable_list)
        .in("frameSliders")
        .tip("Regola tolleranza")
        .leave([this] { c_Validate(c2, last_tolerance_position); });
    add("lblDefaults", lblDefaults, K::label).text("Utilizza impostazioni predefinite");
    add("Command8", Command8, K::command_button)
        .tip("Carica impostazioni di default")
        .text("Carica ")
        .click([this] { Command8_Click(); });
    add("lblWarning", lblWarning, K::label)
        .text("Attenzione: per rendere effettive le nuove impostazioni la form principale verrà ricaricata e i dati "
              "correnti verranno persi");
    add("Command7", Command7, K::command_button).tip("Conferma ed esci").text("OK").click([this] { KOLOR(); });
    add("Command6", Command6, K::command_button)
        .tip("Esci senza modificare")
        .text("Annulla")
        .click([this] { Command6_Click(); });
    reset();
}

void Colori::Form_Load() {
    reset();
    open_ = true;
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
    c1.items = numbered_items(last_strip_position);
    c2.items = numbered_items(last_tolerance_position);
}

void Colori::Form_Unload() {
    touch();
    open_ = false;
}

void Colori::choose_colour(int swatch) {
    touch();
    if (const auto chosen = colours_.choose(Label1[swatch].back)) Label1[swatch].back = *chosen;
}

void Colori::c_Validate(Control& list, int last_position) {
    touch();
    const double leading = leading_number(list.text);
    // A leading number too large for a double is simply above the last position.
    const double value = std::isinf(leading) ? (leading > 0 ? last_position + 1 : 0) : round_to(leading, 0);
    list.text = value > last_position           ? std::to_string(last_position)
                : value < lowest_slider_position ? std::to_string(lowest_slider_position)
                                                 : to_text(value);
}

void Colori::Command8_Click() {
    touch();
    const DisplaySettings defaults;
    const Colour colours[] = {defaults.concrete, defaults.steel, defaults.mask, defaults.line};
    for (int i = 0; i < 4; ++i) Label1[i].back = colours[i];
    c1.text = defaults.strip;
    c2.text = defaults.tolerance;
}

void Colori::KOLOR() {
    touch();
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
    touch();
    if (close_window) close_window();
}

}  // namespace norvexa
