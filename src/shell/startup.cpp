#include "shell/startup.h"

namespace norvexa {

bool screen_too_small(int width_twips, int height_twips) {
    return height_twips < smallest_screen_height && width_twips < smallest_screen_width;
}

bool screen_takes_normal_state(int width_twips, int height_twips) {
    return height_twips > smallest_screen_height && width_twips > smallest_screen_width;
}

bool Form2::Timer1_Timer(int screen_height_twips) {
    counter += 552;
    top = (screen_height_twips - height) / 2;
    if (counter <= full_height) height = counter;
    return counter > 20000;
}

}  // namespace norvexa
