#pragma once

#include <string_view>

namespace norvexa {

// The help line of the input form's control of that name, as the pointer over it sets
// it; nullptr for a control without one.
const char* form1_help_text(std::string_view name);

}  // namespace norvexa
