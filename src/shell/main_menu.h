#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace norvexa {

class Program;

// One item of the main window's menus; an item without a name is a separator.
struct MenuItem {
    std::string name;      // the command's name, as Program::run_menu takes it
    std::string caption;   // "&" marks the access letter
    std::string shortcut;  // "Ctrl+N", "F5"; empty for none
    std::function<void(Program&)> run = {};
    // Whether the command does anything on this program's desktop; always when unset.
    std::function<bool(const Program&)> enabled = {};
};

// A menu of the menu bar. A menu whose own command is set is a command in the bar itself
// ("&Relazione"); "finestra" lists the open child windows.
struct Menu {
    MenuItem command;
    std::vector<MenuItem> items;
};

// The main window's menus, in their order.
const std::vector<Menu>& main_menu();
// The command of that name in the menus; nullptr for none.
const MenuItem* menu_command(std::string_view name);

}  // namespace norvexa
