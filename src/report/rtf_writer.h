#pragma once

#include <string>
#include <vector>

namespace norvexa {

// A rich-text document showing the UTF-8 lines in Courier New, 10 points, one paragraph
// a line. The document is plain ASCII: backslash and braces are escaped, characters
// Windows-1252 holds are written as \'hh, all others as \uN? (UTF-16 units, a
// surrogate pair beyond U+FFFF). Invalid UTF-8 bytes come out as '?'.
std::string rtf_document(const std::vector<std::string>& lines);

}  // namespace norvexa
