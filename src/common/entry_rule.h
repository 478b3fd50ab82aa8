#pragma once

#include <string>

namespace norvexa {

// The numeric entry rule: a text is a number (the field's further steps run), empty
// (accepted without a message, nothing further) or refused (a message names it).
enum class Entry { number, empty, refused };
Entry check_entry(const std::string& text);

// The syntax-error message text for a refused field text.
std::string syntax_error_text(const std::string& text);

}  // namespace norvexa
