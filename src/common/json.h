#pragma once

#include <string>
#include <string_view>

namespace norvexa {

// The text as a JSON string literal, quotes included (UTF-8 passes through).
std::string json_string(std::string_view text);

// The shortest point-decimal text that reads back as the same float ("2452.5", "81").
std::string json_number(float value);

}  // namespace norvexa
