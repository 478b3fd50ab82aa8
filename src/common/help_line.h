#pragma once

#include <string>

namespace norvexa {

// The one-line help text that pointer handlers set to explain what lies under the
// pointer; the help window shows it once it exists.
class HelpLine {
  public:
    void set(std::string text) { text_ = std::move(text); }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

}  // namespace norvexa
