#pragma once

#include "common/colour_chooser.h"
#include "common/file_chooser.h"
#include "common/prompter.h"
#include "common/text_measure.h"
#include "shell/analysis_printer.h"
#include "shell/calculator.h"

namespace norvexa {

// The child windows the program opens and closes besides the title strip, the input
// form and the analysis window, which are always there.
enum class ChildWindow {
    report,
    settings,
    steel_library,
    concrete_library,
    help_over,
    help_beside,
    standards,
    information,
    pressoflessione,
};

// What the program asks of the desktop it runs on: message boxes, dialogs, the label
// font's measure, its child windows, printing and outside programs. The desktop program
// implements it over its main window; the verifier and the tests run headless.
class Desktop {
  public:
    virtual ~Desktop() = default;

    virtual Prompter& prompter() = 0;
    virtual FileChooser& files() = 0;
    virtual ColourChooser& colours() = 0;
    virtual const TextMeasure& measure() const = 0;

    // Whether the desktop shows that window at all; its command is disabled where not.
    virtual bool shows(ChildWindow window) const = 0;
    // Shows the window, made when it is not there yet, as the active child. The model
    // has been opened before.
    virtual void show_window(ChildWindow window) = 0;
    // Closes the window when it is open.
    virtual void close_window(ChildWindow window) = 0;

    // Where printing and PDF export go; nullptr where there is no printer.
    virtual AnalysisPrinter* printer() = 0;
    // Starts the desktop's calculator; nullptr where none can be started.
    virtual ProgramStarter* starter() = 0;
    // Ends the program, its exit question already answered.
    virtual void quit() = 0;
};

// A desktop without windows: the verifier's and the tests'. Its message boxes and
// dialogs are the given ones, which must outlive it; of the child windows only the
// material libraries exist, as their models alone; no printer, no outside program.
class HeadlessDesktop : public Desktop {
  public:
    HeadlessDesktop(Prompter& prompter, FileChooser& files, const TextMeasure& measure)
        : prompter_(prompter), files_(files), measure_(measure) {}

    Prompter& prompter() override { return prompter_; }
    FileChooser& files() override { return files_; }
    ColourChooser& colours() override { return no_colours_; }
    const TextMeasure& measure() const override { return measure_; }
    bool shows(ChildWindow window) const override {
        return window == ChildWindow::steel_library || window == ChildWindow::concrete_library;
    }
    void show_window(ChildWindow) override {}
    void close_window(ChildWindow) override {}
    AnalysisPrinter* printer() override { return printer_; }
    ProgramStarter* starter() override { return nullptr; }
    void quit() override { ++quits; }

    // Printing and PDF export go to the printer from now on; none when null.
    void use_printer(AnalysisPrinter* printer) { printer_ = printer; }

    int quits = 0;  // how often the program asked to end

  private:
    struct NoColours : ColourChooser {
        std::optional<Colour> choose(Colour) override { return std::nullopt; }
    };

    Prompter& prompter_;
    FileChooser& files_;
    const TextMeasure& measure_;
    NoColours no_colours_;
    AnalysisPrinter* printer_ = nullptr;
};

}  // namespace norvexa
