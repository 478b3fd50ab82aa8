#pragma once

#include <map>
#include <string>

#include "analysis/field_source.h"
#include "common/control.h"

namespace norvexa {

// A plain set of named controls answering as the input form does. Controls not set
// read as empty text and value 0.
class FieldMap : public FieldSource {
  public:
    // The input form's start values: reference materials, actions "0", shear on,
    // rectangular shape, one bar layer, strip height "2" and tolerance "10".
    static FieldMap with_start_values();

    std::string text(std::string_view control) const override;
    int value(std::string_view control) const override;
    void set_back(std::string_view control, Colour colour) override;
    void set_mouse_pointer(int pointer) override { mouse_pointer = pointer; }

    void set_text(const std::string& control, std::string text) { controls[control].text = std::move(text); }
    void set_value(const std::string& control, int value) { controls[control].value = value; }

    std::map<std::string, Control, std::less<>> controls;
    int mouse_pointer = 0;
};

}  // namespace norvexa
