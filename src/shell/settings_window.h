#pragma once

#include <array>
#include <functional>
#include <string>

#include "common/colour_chooser.h"
#include "common/prompter.h"
#include "common/window_model.h"

namespace norvexa {

// The display settings window colori: the four colour swatches (Label1_0..Label1_3,
// their colour the back colour) with their buttons Command1..Command4, the two slider
// defaults c1 and c2, the defaults command Command8, and "OK" (Command7), which stores
// the settings and has the input and analysis windows loaded again; "Annulla" is Command6.
class Colori : public WindowModel {
  public:
    Colori(Prompter& prompter, ColourChooser& colours);

    // Opens the window: back to the design look, then the settings file's six lines,
    // stopping at the first line that fails (then c1 and c2 read "20" and "10" and their
    // lists stay empty).
    void Form_Load();
    // The window has closed, whichever way; what was changed and not confirmed is gone.
    void Form_Unload();
    bool is_open() const { return open_; }
    // A swatch's button: the colour dialog from the swatch's colour; a cancelled dialog
    // leaves the swatch as it was.
    void choose_colour(int swatch);
    // Leaving c1 or c2: its leading number, rounded, within the slider's positions.
    void c_Validate(Control& list, int last_position);
    // "Carica ": the default settings into the swatches and lists; nothing is written.
    void Command8_Click();
    // "OK": writes the settings file, then reloads the windows and closes. A file that
    // cannot be written is reported, keeps the old file, reloads nothing and leaves the
    // window open.
    void KOLOR();
    // "Annulla", and the window losing activation: closes without saving.
    void Command6_Click();
    void Form_Deactivate() { Command6_Click(); }

    // What the program does on "OK" once the file is written, and to close the window.
    std::function<void()> reload_windows, close_window;

    const std::string caption = "Impostazioni personalizzate";

  private:
    std::array<Control, 4> Label1, swatch_buttons;
    Control lblC1, c1, lblC2, c2;
    Control Command8, lblDefaults, Command7, Command6, lblWarning;
    Control frameColours, frameSliders;

    Prompter& prompter_;
    ColourChooser& colours_;
    bool open_ = false;
};

}  // namespace norvexa
