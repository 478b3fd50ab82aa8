#include "analysis/field_map.h"

namespace norvexa {

FieldMap FieldMap::with_start_values() {
    FieldMap form;
    const char* const concrete[] = {"C 25-30", "30", "25", "1,6", "15,63", "0,85", "13,28", "3,5", "0,28"};
    const char* const steel[] = {"Feb 44 K", "430", "1,15", "373,9", "200000", "1,87", "10"};
    for (int i = 0; i < 9; ++i) form.set_text("con" + std::to_string(i + 1), concrete[i]);
    for (int i = 0; i < 7; ++i) form.set_text("stl" + std::to_string(i + 1), steel[i]);
    form.set_text("TMS", "0");
    form.set_text("TVS", "0");
    form.set_value("Check5", 1);
    form.set_value("rett", 1);
    form.set_text("strati", "N° 1 Strati barre");
    form.set_text("rettang", "2");
    form.set_text("toller", "10");
    form.controls["Command1"].back = colours::button_face;
    return form;
}

std::string FieldMap::text(std::string_view control) const {
    const auto found = controls.find(control);
    return found == controls.end() ? std::string{} : found->second.text;
}

int FieldMap::value(std::string_view control) const {
    const auto found = controls.find(control);
    return found == controls.end() ? 0 : found->second.value;
}

void FieldMap::set_back(std::string_view control, Colour colour) {
    controls[std::string(control)].back = colour;
}

}  // namespace norvexa
