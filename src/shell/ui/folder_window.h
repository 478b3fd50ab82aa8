#pragma once

#include <QDialog>

#include "common/prompter.h"
#include "shell/folder_creation.h"

namespace norvexa {

// The folder-creation window: it shows the material folders the program needs and makes
// them on "OK". Either way the program then ends.
class FolderCreationWindow : public QDialog {
    Q_OBJECT

  public:
    // prompter: shows the messages that follow "OK" or closing.
    explicit FolderCreationWindow(Prompter& prompter, QWidget* parent = nullptr);

    // Closing the window without "OK": the program cannot be loaded.
    void reject() override;

  signals:
    // Emitted once, when the window is done with by "OK" or by closing it.
    void finished_program();

  private:
    void create_folders();

    Cartelle model_;
    Prompter& prompter_;
    bool finished_ = false;
};

}  // namespace norvexa
