#pragma once

#include "analysis/analysis_input.h"
#include "analysis/analysis_results.h"
#include "analysis/field_source.h"
#include "common/control.h"
#include "common/prompter.h"

namespace norvexa {

// The analysis window formsez: it owns the input record and the results of the last
// run, the shear results frame and the busy banner.
class AnalysisWindow {
  public:
    AnalysisWindow();

    // One analysis run over the input form; the results stay here until the next run.
    void variabili(FieldSource& form, Prompter& prompter);

    // Closes and loads the window again, empty: no input, no results.
    void reload() { *this = AnalysisWindow(); }

    // Empties the captions of every shear result label.
    void clear_shear_results();

    AnalysisInput input;
    AnalysisResults results;
    Control Frame3;  // shear results
    Control sf;      // busy banner "Elaborazione in corso..."
};

}  // namespace norvexa
