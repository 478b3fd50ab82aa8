#pragma once

#include <optional>
#include <string_view>

#include "capacity/capacity.h"

namespace norvexa::capacity {

// The code as a project file and the command line name it: "dm96", "ntc2018".
const char* code_key(Code code);
// The code of such a name; none for any other text.
std::optional<Code> code_of_key(std::string_view key);
// The code as the user reads it: "D.M. 9/1/96", "NTC 2018".
const char* code_title(Code code);

}  // namespace norvexa::capacity
