#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/control.h"
#include "common/prompter.h"
#include "materials/material_files.h"

namespace norvexa {

class Form1;

// A material library window as a model: the steel window "selacciaio" or its concrete
// twin "selcls". It browses the kind's folder, creates, edits and deletes material
// files, and hands the shown material to the input form's labels.
//
// Lifecycle: closed -> show() -> browse (the input form's current material shown) ->
// create or edit (tool-bar buttons 2 and 3) -> browse ("Salva") -> closed ("Carica",
// a double click on the list, "Annulla", deactivation, or the desktop closing it).
// While open, the input form's frames of that kind (its list and its labels) are hidden;
// closing shows them again and refreshes the input form's two lists. A closed window
// keeps nothing: the next show() starts afresh, so closing drops any typing.
class LibraryWindow {
  public:
    enum class Mode { browse, create, edit };

    // The form and the prompter must outlive the window.
    LibraryWindow(MaterialKind kind, Form1& form, Prompter& prompter);
    LibraryWindow(const LibraryWindow&) = delete;
    LibraryWindow& operator=(const LibraryWindow&) = delete;

    MaterialKind kind() const { return kind_; }
    const char* name() const;  // "selacciaio" or "selcls"
    const char* caption() const { return "Materiali:"; }
    bool is_open() const { return open_; }
    bool is_active() const { return active_; }
    Mode mode() const { return mode_; }

    // Opens the window: loaded afresh when closed, then activated. What the menu, the
    // input form's tool bar and its list's double click do.
    void show();
    // The window became the active child: hides the input form's frames and shows the
    // material named by the input form (its stl1 / con1 caption). Nothing when closed or
    // already active, so a message box coming and going does not read it again.
    void Form_Activate();
    // Another window became active: the window closes itself, dropping any edits.
    void Form_Deactivate();
    // The window closes, whichever way: the input form's frames shown again and its
    // lists refreshed. Nothing when already closed. Does not call close_window.
    void Form_Unload();

    // Events by control name, as the view sends them; false when the control has no such
    // event or cannot take it now (disabled, hidden, or an item not in the list).
    bool type(std::string_view name, const std::string& text);  // a field's new text
    bool choose(std::string_view name, const std::string& item);  // a file picked in the list
    bool click(std::string_view name);
    bool double_click(std::string_view name);
    // Toolbar2: 2 "Nuovo materiale", 3 "Modifica materiale", 5 "Elimina materiale".
    void Toolbar2_ButtonClick(int button);

    // Writes the fields to the file folder + name and returns to browse mode; on failure
    // (a name that would leave the folder included) the write-error message first, the
    // typing kept in the fields, and "Carica" left disabled. A name that a project could
    // not store is refused with its message before anything is written, the window still
    // creating or editing. True when written.
    bool salva();

    // Named access to every control; nullptr for an unknown name.
    Control* find(std::string_view name);
    const Control* find(std::string_view name) const;
    // Enabled and visible, inside an enabled frame.
    bool usable(std::string_view name) const;
    // The name a control is registered under; empty for a control not of this window.
    std::string name_of(const Control& control) const;
    // Every control by name, in a stable order.
    const std::vector<std::pair<std::string, Control*>>& controls() const { return registry_; }
    // How a view shows the named control; a label outside any frame for an unknown name.
    const ControlInfo& info(std::string_view name) const;
    // Whether a tool-bar button does anything now: deleting waits while creating or editing.
    bool toolbar_button_enabled(int button) const;
    // The tool-bar button shown pressed: 2 while creating, 3 while editing, else 0.
    int pressed_button() const;
    // Bumped by every handler, so that a view refreshes only when something may have changed.
    unsigned long revision() const { return revision_; }

    // Closes the window on the desktop; the desktop sets it. The model has already run
    // Form_Unload when it calls it.
    std::function<void()> close_window;

    // The controls, with their names as registered. Steel / concrete:
    Control lblLista;                 // the list's caption
    Control File;                     // File2 / File1: the folder's files; text is the selected one
    Control TAB;                      // TAB2 / TAB1: the one-page tab panel
    Control Shape;                    // Shape1 / Shape10: the sample colour behind the fields
    Control Frame;                    // Frame17 / Frame16: enabled while creating or editing
    std::vector<Control> ss;          // ss1..ss7 / ss8..ss16: the name, then the fields in file order
    std::vector<Control> lblss;       // the fields' captions, lblss1.. / lblss8..
    Control Toolbar2;
    Control cbc;                      // cbc2 / cbc: "Carica"
    Control cbs;                      // cns2 / cbs: "Salva", visible while creating or editing
    Control Command1;                 // "Annulla"

  private:
    void Form_Load();
    // Captions and tool-bar buttons as a view builds them; browse mode, nothing shown.
    void set_start_state();
    void close();  // Form_Unload, then close_window
    void File_Click();
    void carica();  // cbc, and the list's double click
    void Salva_Click();
    void nuovo();
    void modifica();
    void elimina();
    void start_editing(Mode mode, const char* frame_caption);
    void back_to_browse(bool material_shown);
    void show_material(const Materiale& material);
    void clear_fields();
    // Reads the named material into the fields; on failure the message, the fields kept
    // and "Carica" disabled.
    bool read_into_fields(const std::string& material);
    void set_browse_colours();
    void refresh_form_lists();
    void show_form_frames(bool shown);
    Control* form_labels() const;  // stl1.. / con1..
    void build_registry();

    MaterialKind kind_;
    Form1& form_;
    Prompter& prompter_;
    Mode mode_ = Mode::browse;
    bool open_ = false;
    bool active_ = false;
    unsigned long revision_ = 0;
    std::vector<std::pair<std::string, Control*>> registry_;
    std::map<std::string, ControlInfo, std::less<>> info_;
};

}  // namespace norvexa
