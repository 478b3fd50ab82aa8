#pragma once

#include <string>

namespace norvexa {

// The one-line help text that pointer handlers set to explain what lies under the
// pointer; the help window shows it.
class HelpLine {
  public:
    void set(std::string text) {
        if (text == text_) return;
        text_ = std::move(text);
        ++revision_;
    }
    const std::string& text() const { return text_; }
    unsigned long revision() const { return revision_; }

  private:
    std::string text_;
    unsigned long revision_ = 0;
};

}  // namespace norvexa
