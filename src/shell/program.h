#pragma once

#include <string>
#include <string_view>

#include "common/help_line.h"
#include "drawing/analysis_window.h"
#include "input/form1.h"
#include "input/form3.h"
#include "capacity/capacity.h"
#include "capacity/combinations_window.h"
#include "materials/library_window.h"
#include "shell/desktop.h"
#include "shell/help_window.h"
#include "shell/info_window.h"
#include "shell/settings_window.h"
#include "shell/standards_window.h"
#include "project/project_commands.h"
#include "report/report_file.h"
#include "report/report_window.h"

namespace norvexa {

// The program as one object: every window model for the program's lifetime, wired to
// one another and to the main window's menus, and the desktop it shows them on. The
// desktop program, the command-line verifier and the tests build it.
class Program {
    Desktop& desktop_;  // first: the models are made with its services

  public:
    // The desktop must outlive the program.
    explicit Program(Desktop& desktop);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads the input form and the analysis window, placed below the title window and,
    // for the analysis window, right of an input form of that width (twips).
    Form1::Load load(Form1::MissingFolders missing = Form1::MissingFolders::stop, int input_form_width = 0);

    // Opens the steel or concrete library window.
    void open_library(MaterialKind kind);
    // The menu command of that name (main_menu()); false when it has none or it is
    // disabled on this desktop.
    bool run_menu(std::string_view name);
    bool menu_enabled(std::string_view name) const;
    // The exit command: the save question, then the desktop quits unless the user
    // cancels. True when the program ends.
    bool ESCI();
    // "Calcola", from its button or from anywhere in the program.
    void calculate();
    // Prints the analysis window, dressed for paper, on the printer the user chooses;
    // refused with a message before the first calculation.
    void stampa();
    // Writes the analysis window, dressed as for printing, and the calculation report to
    // a PDF file the user names; refused like printing before the first calculation.
    void esporta_pdf();
    // Shows the report window, refused with a message before the first calculation.
    void Relazione();
    // Shows the display settings window, read afresh from the settings file.
    void show_settings();
    // Opens the window "Pressoflessione" on the project's combinations.
    void show_pressoflessione();
    // Saves the report of the verification with axial force, as text to a ".txt" name and
    // as rich text otherwise.
    void save_pressoflessione_report();
    // F9: "Calcola" of the analysis, then of the window "Pressoflessione" when it is open.
    void recalculate();
    // Starts the desktop's calculator.
    void kalk();
    // Shows a child window that has no model procedure of its own to open it.
    void show(ChildWindow window) { desktop_.show_window(window); }
    // Closes and loads again the input form and the analysis window, as confirmed
    // display settings require: every field back to its start state.
    void reload_windows();

    const std::string& title_bar() const { return project.title_bar; }
    bool modified() const { return form.salvaconnome; }
    // Changes whenever any window model may have changed.
    unsigned long revision() const;
    Desktop& desktop() const { return desktop_; }

    // The save dialog of the PDF export, remembering the last file chosen.
    FileDialog pdf_dialog{"", "PDF (*.pdf)|*.pdf"};
    // The save dialog of that report, remembering the last file chosen.
    FileDialog pressoflessione_report_dialog{"", report_file_filter};

    HelpLine help;
    HelpWindow help_window{help};
    StandardsWindow standards;
    InfoWindow information;
    Form3 title;
    AnalysisWindow analysis;
    Form1 form;
    ProjectCommands project;
    ReportWindow report;
    LibraryWindow steel_library, concrete_library;
    Colori settings;
    // The code and load combinations of the verification with axial force.
    capacity::CombinationSet combinations;
    capacity::CombinationsWindow pressoflessione{combinations, form, desktop_.prompter()};

  private:
    // Tells the user the message and returns true while there are no results to use.
    bool refuse_before_calculation(const char* message);
};

}  // namespace norvexa
