#pragma once

#include <string>

namespace norvexa {

inline constexpr const char* program_title = "Norvexa";  // the title of message boxes without one

// Screens smaller than 1024 x 749 pixels, at 15 twips a pixel.
inline constexpr int smallest_screen_width = 15360, smallest_screen_height = 11235;
inline constexpr const char* small_screen_message =
    "Per un corretto funzionamento del software è necessario utilizzare una risoluzione minima di 1024x768 a 65536 "
    "colori";
// The message is shown only when the screen is short of both sizes.
bool screen_too_small(int width_twips, int height_twips);
// The main window is shown in its normal state only on a screen larger than both sizes.
bool screen_takes_normal_state(int width_twips, int height_twips);

// The splash window: it unrolls over ten ticks, then waits, and on the 37th tick (or a
// click) the program starts.
class Form2 {
  public:
    static constexpr int tick_milliseconds = 16;
    static constexpr int full_height = 5520;  // twips

    // One tick of the timer on a screen of that height. True when the program starts now.
    bool Timer1_Timer(int screen_height_twips);

    int counter = 0;
    int height = 0;  // twips
    int top = 0;     // twips, centred on the screen
    const std::string title1 = "VERIFICA SEZIONI IN C.A.";
    const std::string title2 = "FLESSIONE E TAGLIO  AGLI STATI LIMITE ULTIMI";
    const std::string credits[3] = {"Norvexa: verifica di una sezione in cemento armato",
                                    "Eurocodice 2 secondo il D.M. 9/1/96",
                                    "Software libero per l'ingegneria strutturale"};
};

}  // namespace norvexa
