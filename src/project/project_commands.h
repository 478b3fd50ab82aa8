#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "capacity/capacity.h"
#include "common/file_chooser.h"
#include "common/prompter.h"
#include "drawing/analysis_window.h"
#include "input/form1.h"
#include "input/form3.h"

namespace norvexa {

inline constexpr const char* untitled_project = "Senzanome.nvx";
inline constexpr const char* project_filter = "File norvexa (*.nvx) |*.nvx|Tutti i file (*.*)|*.*";

// The project commands new, open, save and save as, with the questions and dialogs
// around them and the main window's title bar. Wires itself to the input form's tool
// bar buttons. The project's combinations are written after its 51 lines, emptied by a
// new project and replaced by an open one.
class ProjectCommands {
  public:
    ProjectCommands(Form1& form, Form3& title, AnalysisWindow& analysis, capacity::CombinationSet& combinations,
                    Prompter& prompter, FileChooser& files);
    ProjectCommands(const ProjectCommands&) = delete;
    ProjectCommands& operator=(const ProjectCommands&) = delete;

    // A new project: the save-first question, then every field, material and result back
    // to its start state.
    void nuovo();
    // The save-first question, the open dialog, then the file read.
    void apri();
    // Saves to the project's file, asking for one through the save dialog when the
    // project has none yet. True when the project was written.
    bool salva();
    // Always asks for a file, with the overwrite question when the chosen file exists.
    bool salva_con_nome();
    // The exit command's question; true when the program may end.
    bool ESCI();

    // With unsaved changes, asks whether to save them first (Yes saves, No discards,
    // Cancel stops). True when the calling command may go on: not Cancel, and with Yes
    // only once the project was written.
    bool save_first(const std::string& title);

    // Reads a project file into the form as the open command does once a file is
    // chosen. False, after "File non valido" with open_failure as its detail, when it
    // cannot: a wrong first line leaves the project untouched; any later failure starts a
    // new project. A block of combinations that cannot be read is named in a warning and
    // left out: the project opens without combinations.
    bool open_project(const std::filesystem::path& path);
    // Why the last open_project failed, for a diagnostic (which file could not be read,
    // which line was refused); empty after a success.
    std::string open_failure;

    std::string title_bar = untitled_project;  // the main window's caption
    unsigned long revision = 0;  // bumped by every command, for the views
    FileDialog CommonDialog1{"", project_filter};
    std::function<void()> close_report;  // the report window, when there is one

  private:
    bool write_project(const std::filesystem::path& path);
    // "File non valido", with the reason as the message's detail (none for a failed write).
    void show_invalid_file(const std::string& reason);

    Form1& form_;
    Form3& title_;
    AnalysisWindow& analysis_;
    capacity::CombinationSet& combinations_;
    Prompter& prompter_;
    FileChooser& files_;
    std::filesystem::path current_file_;  // the file last saved or opened; empty for a new project
};

}  // namespace norvexa
