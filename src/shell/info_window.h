#pragma once

#include <string>

#include "common/version.h"
#include "common/window_model.h"

namespace norvexa {

// The information window INFOrmazioni: the program's name and purpose (Label1, Label2),
// credits (Label3, Label4), contact (Label5, Label6), terms of use (Label7) and "OK"
// (Command2). It closes when another window of the program becomes active.
class InfoWindow : public WindowModel {
  public:
    InfoWindow();

    // Loads the window when it is not loaded, its controls as designed, and shows it.
    void show();
    void Command2_Click();
    // Another window of the program became active.
    void Form_Deactivate();

    bool is_loaded() const { return loaded_; }
    bool is_visible() const { return visible_; }

    const std::string caption = std::string("NORVEXA rel ") + program_version;  // also Label1's text

  private:
    void unload();

    Control Label1, Label2, Label3, Label4, Label5, Label6, Label7, Command2;
    bool loaded_ = false;
    bool visible_ = false;
};

}  // namespace norvexa
