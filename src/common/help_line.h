#pragma once

#include <functional>
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
        if (on_change) on_change();
    }
    const std::string& text() const { return text_; }
    unsigned long revision() const { return revision_; }

    // Called after every change of the text; the desktop layer shows it there.
    std::function<void()> on_change;

  private:
    std::string text_;
    unsigned long revision_ = 0;
};

}  // namespace norvexa
