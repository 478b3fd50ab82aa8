#pragma once

#include <map>
#include <string>
#include <string_view>

#include "analysis/field_source.h"

namespace norvexa {

// What a run read of the input form, each control with the text or value it had.
struct RecordedReads {
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, int, std::less<>> values;

    // Whether the form now reads differently in any of them.
    bool changed_in(const FieldSource& form) const;
};

// A field source that passes every call on to the form and records what was read.
class RecordingSource : public FieldSource {
  public:
    explicit RecordingSource(FieldSource& form) : form_(form) {}

    std::string text(std::string_view control) const override;
    int value(std::string_view control) const override;
    void set_back(std::string_view control, Colour colour) override { form_.set_back(control, colour); }
    void set_mouse_pointer(int pointer) override { form_.set_mouse_pointer(pointer); }

    const RecordedReads& reads() const { return reads_; }

  private:
    FieldSource& form_;
    mutable RecordedReads reads_;
};

}  // namespace norvexa
