#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/colour_chooser.h"
#include "common/control.h"
#include "common/prompter.h"

namespace norvexa {

// The display settings window colori: the four colour swatches with their buttons, the
// two slider defaults, the defaults command, and "OK", which stores the settings and has
// the input and analysis windows loaded again.
class Colori {
  public:
    Colori(Prompter& prompter, ColourChooser& colours);
    Colori(const Colori&) = delete;
    Colori& operator=(const Colori&) = delete;

    // Back to the design look, then the settings file's six lines, stopping at the first
    // line that fails (then c1 and c2 read "20" and "10" and their lists stay empty).
    void Form_Load();
    // A swatch's button: the colour dialog from the swatch's colour; a cancelled dialog
    // leaves the swatch as it was.
    void choose_colour(int swatch);
    // Leaving c1 or c2: its leading number, rounded, within 1..40 or 1..20.
    void c_Validate(Control& list);
    // "Carica ": the default settings into the swatches and lists; nothing is written.
    void Command8_Click();
    // "OK": writes the settings file, then reloads the windows and closes. A file that
    // cannot be written is reported, keeps the old file, reloads nothing and leaves the
    // window open.
    void KOLOR();
    // "Annulla", and the window losing activation: closes without saving.
    void Command6_Click();
    void Form_Deactivate() { Command6_Click(); }

    // Events by control name, for the desktop layer.
    bool type(std::string_view name, const std::string& text);
    bool leave(std::string_view name);
    bool choose(std::string_view name, const std::string& item);
    bool click(std::string_view name);
    Control* find(std::string_view name);
    const std::vector<std::pair<std::string, Control*>>& controls() const { return registry_; }
    const ControlInfo& info(std::string_view name) const;
    unsigned long revision() const { return revision_; }

    // What the program does on "OK" once the file is written, and to close the window.
    std::function<void()> reload_windows, close_window;

    const std::string caption = "Impostazioni personalizzate";
    std::array<Control, 4> Label1;  // the swatches; back is the colour
    std::array<Control, 4> swatch_buttons;  // Command1..Command4
    Control lblC1, c1, lblC2, c2;
    Control Command8, lblDefaults, Command7, Command6, lblWarning;
    Control frameColours, frameSliders;

  private:
    void set_start_state();

    Prompter& prompter_;
    ColourChooser& colours_;
    std::vector<std::pair<std::string, Control*>> registry_;
    std::vector<std::pair<std::string, ControlInfo>> info_;
    unsigned long revision_ = 0;
};

}  // namespace norvexa
