#pragma once

#include <optional>

#include "common/colour.h"

namespace norvexa {

// The system's colour-choice dialog; the window layer shows it, tests answer from a script.
class ColourChooser {
  public:
    virtual ~ColourChooser() = default;
    // The colour chosen starting from `current`; nullopt when the user cancels.
    virtual std::optional<Colour> choose(Colour current) = 0;
};

}  // namespace norvexa
