#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/prompter.h"
#include "common/window_model.h"
#include "materials/material_files.h"
#include "materials/material_user.h"

namespace norvexa {

// A material library window as a model: the steel window "selacciaio" or its concrete
// twin "selcls". It browses the kind's folder, creates, edits and deletes material
// files, and hands the shown material to the window that uses it.
//
// Lifecycle: closed -> show() -> browse (the user's current material shown) ->
// create or edit (tool-bar buttons 2 and 3) -> browse ("Salva") -> closed ("Carica",
// a double click on the list, "Annulla", deactivation, or the desktop closing it).
// While open, the user's frames of that kind (its list and its labels) are hidden;
// closing shows them again and refreshes the user's two lists. A closed window keeps
// nothing: the next show() starts afresh, so closing drops any typing.
class LibraryWindow : public WindowModel {
  public:
    enum class Mode { browse, create, edit };

    // The names of the controls a view lays out, which differ between the two windows.
    struct Names {
        std::string list, tab, frame, carica, salva;
        std::vector<std::string> fields, captions;  // the name first, then the file's fields
    };

    // The user and the prompter must outlive the window.
    LibraryWindow(MaterialKind kind, MaterialUser& user, Prompter& prompter);

    MaterialKind kind() const { return kind_; }
    const char* name() const;  // "selacciaio" or "selcls"
    const char* caption() const { return "Materiali:"; }
    const Names& names() const { return names_; }
    bool is_open() const { return open_; }
    bool is_active() const { return active_; }
    Mode mode() const { return mode_; }

    // Opens the window: loaded afresh when closed, then activated. What the menu, the
    // input form's tool bar and its list's double click do.
    void show();
    // The window became the active child: hides the user's frames and shows the material
    // the user names. Nothing when closed or already active, so a message box coming and
    // going does not read it again.
    void Form_Activate();
    // Another window became active: the window closes itself, dropping any edits.
    void Form_Deactivate();
    // The window closes, whichever way: the user's frames shown again and its lists
    // refreshed. Nothing when already closed. Does not call close_window.
    void Form_Unload();

    // Toolbar2: 2 "Nuovo materiale", 3 "Modifica materiale", 5 "Elimina materiale",
    // 6 "Aggiungi materiali di riferimento" (both kinds, the files missing only).
    void Toolbar2_ButtonClick(int button);

    // Writes the fields to the file folder + name and returns to browse mode; on failure
    // (a name that would leave the folder included) the write-error message first, the
    // typing kept in the fields, and "Carica" left disabled. A name that a project could
    // not store is refused with its message before anything is written, the window still
    // creating or editing. True when written.
    bool salva();

    // Whether a tool-bar button does anything now: deleting and adding the reference
    // materials wait while creating or editing.
    bool toolbar_button_enabled(int button) const;
    // The tool-bar button shown pressed: 2 while creating, 3 while editing, else 0.
    int pressed_button() const;

    // Closes the window on the desktop; the desktop sets it. The model has already run
    // Form_Unload when it calls it.
    std::function<void()> close_window;

  private:
    void Form_Load();
    void close();  // Form_Unload, then close_window
    void File_Click();
    void carica();  // cbc, and the list's double click
    void Salva_Click();
    void nuovo();
    void modifica();
    void elimina();
    void aggiungi_riferimenti();
    void start_editing(Mode mode, const char* frame_caption);
    void back_to_browse(bool material_shown);
    void show_material(const Materiale& material);
    Materiale shown_material() const;
    void clear_fields();
    // Reads the named material into the fields; on failure the message, the fields kept
    // and "Carica" disabled.
    bool read_into_fields(const std::string& material);
    void set_browse_colours();
    void build_table();

    MaterialKind kind_;
    MaterialUser& user_;
    Prompter& prompter_;
    Names names_;
    Mode mode_ = Mode::browse;
    bool open_ = false;
    bool active_ = false;

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
};

}  // namespace norvexa
