#pragma once

#include <QString>

#include "common/prompter.h"

class QWidget;

namespace norvexa {

// Asks with a modal QMessageBox: the message's text, icon, buttons and title (the
// program's name when the message has none), its detail under the text, the standard
// buttons in the desktop's language; the box is wide enough for its whole title.
class MessageBoxPrompter : public Prompter {
  public:
    // parent: the window the boxes are modal to; may be null.
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }
    Answer ask(const Message& message) override;

  private:
    QWidget* parent_;
};

}  // namespace norvexa
