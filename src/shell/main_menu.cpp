#include "shell/main_menu.h"

namespace norvexa {

const std::vector<Menu>& main_menu() {
    static const std::vector<Menu> menus = {
        {"", "&File", "",
         {{"nuovo", "&Nuovo", "Ctrl+N"},
          {"apri", "&Apri", "Ctrl+O"},
          {"sav", "&Salva", "Ctrl+S"},
          {"sconnome", "Sal&va con nome", ""},
          {"printis", "Stam&pa", "Ctrl+P"},
          {"pdf", "Esporta P&DF...", ""},
          {},
          {"color", "&Impostazioni", ""},
          {},
          {"e", "&Esci", ""}}},
        {"", "Fi&nestra", "", {}},
        {"", "&Materiali", "", {{"cls", "&Calcestruzzo", ""}, {"acc", "&Acciaio", ""}}},
        {"Relazione", "&Relazione", "F5", {}},
        {"calcolatrice", "&Calcolatrice", "", {}},
        {"", "&Guida", "", {{"sov", "&Sovrapponi", "F1"}, {"guida", "&Affianca verticalmente", ""}}},
        {"", "&Normativa", "", {{"dm96", "&EC2    D.M. 09/01/96", ""}}},
        {"", "&About", "", {{"info", "&Informazioni", ""}}},
    };
    return menus;
}

}  // namespace norvexa
