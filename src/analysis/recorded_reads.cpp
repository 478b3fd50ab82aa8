#include "analysis/recorded_reads.h"

namespace norvexa {

bool RecordedReads::changed_in(const FieldSource& form) const {
    for (const auto& [control, text] : texts)
        if (form.text(control) != text) return true;
    for (const auto& [control, value] : values)
        if (form.value(control) != value) return true;
    return false;
}

std::string RecordingSource::text(std::string_view control) const {
    std::string read = form_.text(control);
    reads_.texts.insert_or_assign(std::string(control), read);
    return read;
}

int RecordingSource::value(std::string_view control) const {
    const int read = form_.value(control);
    reads_.values.insert_or_assign(std::string(control), read);
    return read;
}

}  // namespace norvexa
