#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/file_chooser.h"
#include "common/help_line.h"
#include "common/prompter.h"
#include "drawing/analysis_window.h"
#include "common/text_measure.h"
#include "input/form1.h"
#include "input/form3.h"
#include "materials/library_window.h"
#include "shell/calculator.h"
#include "shell/help_window.h"
#include "shell/info_window.h"
#include "shell/standards_window.h"
#include "project/project_commands.h"
#include "report/report_window.h"
#include "shell/analysis_printer.h"

namespace norvexa {

// The program as one object: every window model, wired to one another and to the main
// window's menus. The desktop program, the command-line verifier and the tests build it.
class Program {
  public:
    // The prompter, chooser and measure must outlive the program.
    Program(Prompter& prompter, FileChooser& files, const TextMeasure& measure);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads the input form and the analysis window, placed below the title window and,
    // for the analysis window, right of an input form of that width (twips).
    Form1::Load load(Form1::MissingFolders missing = Form1::MissingFolders::stop, int input_form_width = 0);

    // Opens the steel or concrete library window.
    void open_library(MaterialKind kind);
    // The menu command of that name (main_menu()); false when it has none yet.
    bool run_menu(std::string_view name);
    bool menu_enabled(std::string_view name) const;
    // The exit command: the save question, then quit() unless the user cancels. True
    // when the program ends.
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

    const std::string& title_bar() const { return project.title_bar; }
    bool modified() const { return form.salvaconnome; }
    // Changes whenever any window model may have changed.
    unsigned long revision() const;

    // Ends the program; the desktop layer sets it.
    std::function<void()> quit;
    // Where printing and PDF export go; they stay disabled while it is unset.
    AnalysisPrinter* printer = nullptr;
    // Shows the report window, loading it first when it is not open; the desktop layer
    // sets it, and the report command stays disabled while it is unset.
    std::function<void()> show_report;
    // Shows the display settings window; the desktop layer sets it.
    std::function<void()> show_settings;
    // Shows a material library window; without it the library model is shown alone.
    std::function<void(MaterialKind)> show_library;
    // The help window over the analysis window (false) or beside the input form (true),
    // the standards and the information windows; the desktop layer sets them.
    std::function<void(bool beside)> show_help;
    std::function<void()> show_standards, show_information;
    // Starts the desktop's calculator; the calculator stays disabled while it is unset.
    ProgramStarter* starter = nullptr;
    // Closes and loads again the input form and the analysis window, as confirmed
    // display settings require: every field back to its start state.
    void reload_windows();
    // The save dialog of the PDF export, remembering the last file chosen.
    FileDialog pdf_dialog{"", "PDF (*.pdf)|*.pdf"};

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

  private:
    std::function<void()> command(std::string_view name);
    // Tells the user the message and returns true while there are no results to use.
    bool refuse_before_calculation(const char* message);

    Prompter& prompter_;
    FileChooser& files_;
};

}  // namespace norvexa
