#include "common/entry_rule.h"

#include "common/numbers.h"

namespace norvexa {

Entry check_entry(const std::string& text) {
    if (locale_double(text)) return Entry::number;
    return text.empty() ? Entry::empty : Entry::refused;
}

std::string syntax_error_text(const std::string& text) { return "Errore di sintassi: " + text; }

}  // namespace norvexa
