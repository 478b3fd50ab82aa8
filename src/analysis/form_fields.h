#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/field_source.h"

namespace norvexa {

// The input form's fields one analysis run works on, as typed, each member named after
// its control. A run reads them once, at its start, and reads the form no more.
struct FormFields {
    std::string con1, con3, con5, con7, con8, con9;  // concrete: name, fck, fcd, fcd*, εcu ‰, τrd
    std::string stl1, stl4, stl5, stl6, stl7;        // steel: name, fyd, Es, εyd ‰, εsu ‰
    std::string strati;                              // the layer count, an item of its list
    std::array<std::string, 4> ta, td;               // ta1..ta4: layer areas, cm²; td1..td4: depths, cm
    std::string tb, th, tb2, th2;                    // sizes, cm
    std::string nbr, dst, passo, ast;                // stirrups: arms, diameter mm, spacing cm, area
    std::string TMS, TVS;                            // design moment kNm, design shear kN
    std::string rettang, toller;                     // strip height mm, tolerance N
    bool t = false;                                  // T section chosen
    bool Check5 = false;                             // shear switch on
};

FormFields read_form_fields(const FieldSource& form);

// The command a refused run greys.
inline constexpr const char* calculate_command = "Command1";

// The name of every control a run reads or greys, so that a test can hold them against
// the input form's own.
std::vector<std::string> form_field_names();

}  // namespace norvexa
