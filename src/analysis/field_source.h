#pragma once

#include <string>
#include <string_view>

#include "common/colour.h"

namespace norvexa {

// The input form as the analysis sees it: the text or caption of a named control, the
// value of a check box or option button, and the two things a run changes on it.
class FieldSource {
  public:
    virtual ~FieldSource() = default;
    virtual std::string text(std::string_view control) const = 0;
    virtual int value(std::string_view control) const = 0;
    virtual void set_back(std::string_view control, Colour colour) = 0;
    virtual void set_mouse_pointer(int pointer) = 0;
};

constexpr int hourglass_pointer = 11;
constexpr int default_pointer = 0;

}  // namespace norvexa
