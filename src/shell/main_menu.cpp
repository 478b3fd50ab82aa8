#include "shell/main_menu.h"

#include "shell/program.h"

namespace norvexa {
namespace {

std::function<bool(const Program&)> when_shown(ChildWindow window) {
    return [window](const Program& p) { return p.desktop().shows(window); };
}

bool can_print(const Program& p) { return p.desktop().printer() != nullptr; }

}  // namespace

const std::vector<Menu>& main_menu() {
    static const std::vector<Menu> menus = {
        {{"", "&File", ""},
         {{"nuovo", "&Nuovo", "Ctrl+N", [](Program& p) { p.project.nuovo(); }},
          {"apri", "&Apri", "Ctrl+O", [](Program& p) { p.project.apri(); }},
          {"sav", "&Salva", "Ctrl+S", [](Program& p) { p.project.salva(); }},
          {"sconnome", "Sal&va con nome", "", [](Program& p) { p.project.salva_con_nome(); }},
          {"printis", "Stam&pa", "Ctrl+P", [](Program& p) { p.stampa(); }, can_print},
          {"pdf", "Esporta P&DF...", "", [](Program& p) { p.esporta_pdf(); }, can_print},
          {},
          {"color", "&Impostazioni", "", [](Program& p) { p.show_settings(); }, when_shown(ChildWindow::settings)},
          {},
          {"e", "&Esci", "", [](Program& p) { p.ESCI(); }}}},
        {{"", "Fi&nestra", ""}, {}},
        {{"", "&Materiali", ""},
         {{"cls", "&Calcestruzzo", "", [](Program& p) { p.open_library(MaterialKind::concrete); }},
          {"acc", "&Acciaio", "", [](Program& p) { p.open_library(MaterialKind::steel); }}}},
        {{"Relazione", "&Relazione", "F5", [](Program& p) { p.Relazione(); }, when_shown(ChildWindow::report)}, {}},
        {{"calcolatrice", "&Calcolatrice", "", [](Program& p) { p.kalk(); },
          [](const Program& p) { return p.desktop().starter() != nullptr; }},
         {}},
        {{"", "&Guida", ""},
         {{"sov", "&Sovrapponi", "F1", [](Program& p) { p.show(ChildWindow::help_over); },
           when_shown(ChildWindow::help_over)},
          {"guida", "&Affianca verticalmente", "", [](Program& p) { p.show(ChildWindow::help_beside); },
           when_shown(ChildWindow::help_beside)}}},
        {{"", "&Normativa", ""},
         {{"dm96", "&EC2    D.M. 09/01/96", "", [](Program& p) { p.show(ChildWindow::standards); },
           when_shown(ChildWindow::standards)},
          {},
          {"pressoflessione", "&Pressoflessione", "F6", [](Program& p) { p.show_pressoflessione(); },
           when_shown(ChildWindow::pressoflessione)}}},
        {{"", "&About", ""},
         {{"info", "&Informazioni", "", [](Program& p) { p.show(ChildWindow::information); },
           when_shown(ChildWindow::information)}}},
    };
    return menus;
}

const MenuItem* menu_command(std::string_view name) {
    if (name.empty()) return nullptr;
    for (const Menu& menu : main_menu()) {
        if (menu.command.name == name) return &menu.command;
        for (const MenuItem& item : menu.items)
            if (item.name == name) return &item;
    }
    return nullptr;
}

}  // namespace norvexa
