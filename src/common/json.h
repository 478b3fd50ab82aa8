#pragma once

#include <string>
#include <string_view>

namespace norvexa {

// The text as a JSON string literal, quotes included: UTF-8 passes through, each byte
// that is not part of a valid UTF-8 sequence becomes U+FFFD.
std::string json_string(std::string_view text);

// The shortest point-decimal text that reads back as the same float ("2452.5", "81").
std::string json_number(float value);
// The shortest that reads back as the same double; null for an infinite or NaN value.
std::string json_number(double value);

}  // namespace norvexa
