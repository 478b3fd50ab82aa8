#pragma once

#include <string>
#include <vector>

namespace norvexa {

// One item of the main window's menus; an item without a name is a separator.
struct MenuItem {
    std::string name;      // the command's name, as Program::run_menu takes it
    std::string caption;   // "&" marks the access letter
    std::string shortcut;  // "Ctrl+N", "F5"; empty for none
};

// A menu of the menu bar. A menu whose own name is set is a command in the bar itself
// ("&Relazione"); "finestra" lists the open child windows.
struct Menu {
    std::string name;
    std::string caption;
    std::string shortcut;
    std::vector<MenuItem> items;
};

// The main window's menus, in their order.
const std::vector<Menu>& main_menu();

}  // namespace norvexa
