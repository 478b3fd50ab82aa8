#pragma once

#include <deque>
#include <string>
#include <vector>

namespace norvexa {

enum class Icon { none, critical, warning, information };
enum class Buttons { ok, yes_no, yes_no_cancel };
enum class Answer { ok, yes, no, cancel };

// One modal message box.
struct Message {
    std::string text;
    Icon icon = Icon::none;
    Buttons buttons = Buttons::ok;
    std::string title;
    std::string detail = {};  // why it happened, shown under the text; empty for none

    bool operator==(const Message&) const = default;
};

const char* icon_name(Icon icon);

// Shows message boxes; the window layer asks the user, tests answer from a script.
class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual Answer ask(const Message& message) = 0;
};

// Records every message and answers from a queue; OK (or the first button) when the
// queue is empty.
class ScriptedPrompter : public Prompter {
  public:
    Answer ask(const Message& message) override;
    void answer_next(Answer answer) { answers_.push_back(answer); }

    std::vector<Message> shown;

  private:
    std::deque<Answer> answers_;
};

}  // namespace norvexa
