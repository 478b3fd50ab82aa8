#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/file_chooser.h"
#include "common/help_line.h"
#include "common/prompter.h"
#include "drawing/analysis_window.h"
#include "drawing/text_measure.h"
#include "input/form1.h"
#include "input/form3.h"
#include "project/project_commands.h"

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

    // The menu command of that name (main_menu()); false when it has none yet.
    bool run_menu(std::string_view name);
    bool menu_enabled(std::string_view name) const;
    // The exit command: the save question, then quit() unless the user cancels. True
    // when the program ends.
    bool ESCI();
    // "Calcola", from its button or from anywhere in the program.
    void calculate();

    const std::string& title_bar() const { return project.title_bar; }
    bool modified() const { return form.salvaconnome; }
    // Changes whenever any window model may have changed.
    unsigned long revision() const;

    // Ends the program; the desktop layer sets it.
    std::function<void()> quit;

    HelpLine help;
    Form3 title;
    AnalysisWindow analysis;
    Form1 form;
    ProjectCommands project;

  private:
    std::function<void()> command(std::string_view name);
};

}  // namespace norvexa
