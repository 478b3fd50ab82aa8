#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include <QObject>

#include "common/ui/colour_dialog.h"
#include "common/ui/file_dialogs.h"
#include "common/ui/message_box.h"
#include "report/ui/desktop_viewer.h"
#include "shell/ui/calculator_starter.h"
#include "shell/program.h"

namespace norvexa {

class FolderCreationWindow;
class MainWindow;
class SplashWindow;

// Where the desktop program's questions and dialogs go: the desktop's message boxes and
// file dialogs where unset, else the given ones (tests script them), which must outlive
// the program.
struct DesktopDialogs {
    Prompter* prompter = nullptr;
    FileChooser* files = nullptr;  // every file dialog
    OutsideViewer* viewer = nullptr;
    ColourChooser* colours = nullptr;
    ProgramStarter* starter = nullptr;
};

// The desktop program from start to end: the splash, the screen check, the main window
// with its children (or the folder-creation window when the library is missing), and
// the project named on the command line.
class DesktopProgram : public QObject {
  public:
    using Dialogs = DesktopDialogs;
    explicit DesktopProgram(std::optional<std::filesystem::path> project = std::nullopt, Dialogs dialogs = {});
    ~DesktopProgram() override;

    // Shows the splash and starts its timer; the program starts when it asks.
    void start();
    // Starts the program at once: what the splash does on its last tick or a click. It
    // first removes the temporary files that saves stopped earlier left in the program
    // folder (remove_stale_temporaries).
    void attiva();

    Program& program() { return program_; }
    // Ends the program after the folder-creation window; tests replace it.
    std::function<void()> end;
    SplashWindow* splash() const { return splash_; }
    // The main window, made with the program; its views are built and it is shown once
    // the program starts.
    MainWindow* main_window() const { return main_.get(); }

  private:
    std::optional<std::filesystem::path> project_;
    MessageBoxPrompter message_boxes_;
    DialogFileChooser file_dialogs_;
    DialogFileChooser report_dialogs_{nullptr, "relazione:", OverwriteQuestion::dialog};
    DesktopViewer desktop_viewer_;
    ColourDialogChooser colour_dialogs_;
    QtProgramStarter program_starter_;
    Prompter& prompter_;
    FileChooser& files_;
    FileChooser& report_files_;
    OutsideViewer& viewer_;
    ColourChooser& colours_;
    ProgramStarter& starter_;
    std::unique_ptr<MainWindow> main_;  // the program's desktop, hidden until the program starts
    Program program_;
    SplashWindow* splash_;
    FolderCreationWindow* folders_ = nullptr;
    bool started_ = false;
};

}  // namespace norvexa
