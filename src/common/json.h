#pragma once

#include <string>
#include <string_view>

namespace norvexa {

// The text as a JSON string literal, quotes included (UTF-8 passes through).
std::string json_string(std::string_view text);

}  // namespace norvexa
