#pragma once

#include <optional>

#include "analysis/analysis_input.h"
#include "analysis/analysis_results.h"
#include "analysis/field_source.h"
#include "analysis/recorded_reads.h"
#include "common/prompter.h"
#include "common/text_measure.h"
#include "common/window_model.h"
#include "drawing/board.h"

namespace norvexa {

// The analysis window formsez: it owns the input record and the results of the last
// run, the drawing board with the result panel, and answers the pointer over the board.
// Its board elements and result labels are drawn by its view rather than bound as
// controls, so its table holds no rows; its revision is the window model's.
class AnalysisWindow : public WindowModel {
  public:
    // Labels are measured with `measure`, which must outlive the window; by default a
    // fixed measure per character.
    explicit AnalysisWindow(const TextMeasure& measure = fixed_measure);

    // Places the window beside the input window and below the title window, then takes
    // its colours from the settings file; a missing or bad file keeps the design colours.
    void Form_Load(float title_window_height, float input_window_width);

    // One analysis run over the input form, ending with the section drawing; the results
    // and the drawing stay here until the next run, which first hides the bar lists.
    void variabili(FieldSource& form, Prompter& prompter);
    // Whether the results on show no longer belong to the form: from the first change of
    // a field the last completed run read, or from a run that stopped with a message,
    // until a run completes again.
    bool results_outdated() const { return outdated_; }
    // Marks the results outdated when the form reads differently from what the last
    // completed run read; the form calls it after each of its changes.
    void compare_inputs(const FieldSource& form);

    // Closes and loads the window again in its place, empty: no input, no results,
    // nothing drawn, the colours read again.
    void reload();

    // Empties the captions of every shear result label.
    void clear_shear_results();
    // The shear panel of the board as the shear switch says: shown empty when it is
    // switched on, hidden when off.
    void show_shear_panel(bool shown);
    // The busy banner, shown while "Calcola" is held down.
    void show_busy(bool busy);
    // The window's left edge, right of an input window of that width (twips).
    void place_right_of(float input_window_width);

    void FRAMEZ_MouseMove();
    void TAVOLA_MouseMove(int button, int shift, float x, float y);

    // Dresses the board for paper: the project title in the busy banner, the bar lists
    // of the layers with steel shown without box or border, each by its circle (see
    // place_on_paper), the others hidden; the vertical rule and the pointer read-out
    // hidden. take_off_paper_dress puts the board back exactly as it was.
    void put_on_paper_dress(const std::string& title);
    void take_off_paper_dress();

    AnalysisInput input;
    AnalysisResults results;
    Board board;
    float top = 0, left = 0;  // the window's place inside the main window, twips

  private:
    static const FixedTextMeasure fixed_measure;
    const TextMeasure* measure_;
    std::optional<RecordedReads> last_run_read_;  // of the last run that completed
    bool outdated_ = false;
    Board undressed_;  // the board as put_on_paper_dress found it
};

}  // namespace norvexa
