#pragma once

#include <string>

#include "common/control.h"

namespace norvexa {

// The information window INFOrmazioni: the program's name and purpose, credits, contact
// and terms of use, and "OK". It closes when another window of the program becomes active.
class InfoWindow {
  public:
    InfoWindow();

    void show();
    void Command2_Click();
    // Another window of the program became active.
    void Form_Deactivate();

    std::string caption = "NORVEXA rel 0.1";
    Control Label1;    // the title
    Control Label2;    // the subtitle
    Control Label3;    // credits heading
    Control Label4;    // credits
    Control Label5;    // contact heading
    Control Label6;    // contact
    Control Label7;    // terms of use
    Control Command2;  // "OK"
    bool loaded = false;
    bool visible = false;
    unsigned long revision = 0;

  private:
    void unload();
};

}  // namespace norvexa
