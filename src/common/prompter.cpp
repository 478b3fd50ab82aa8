#include "common/prompter.h"

namespace norvexa {

const char* icon_name(Icon icon) {
    switch (icon) {
        case Icon::critical: return "critical";
        case Icon::warning: return "warning";
        case Icon::information: return "information";
        case Icon::none: break;
    }
    return "none";
}

Answer ScriptedPrompter::ask(const Message& message) {
    shown.push_back(message);
    if (answers_.empty()) return message.buttons == Buttons::ok ? Answer::ok : Answer::yes;
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace norvexa
