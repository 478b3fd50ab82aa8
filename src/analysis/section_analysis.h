#pragma once

#include <functional>
#include <string>

#include "analysis/analysis_input.h"
#include "analysis/analysis_results.h"
#include "analysis/field_source.h"
#include "analysis/form_fields.h"
#include "analysis/neutral_axis.h"
#include "common/prompter.h"

namespace norvexa {

// One analysis run over the input form: reads its fields once, checks them into the
// input, searches the neutral axis, computes the resisting moment, verifies shear and
// hands over to the drawing. The input and results belong to the analysis window; this
// class only works on them. Every failure ends the run with a message box.
class SectionAnalysis {
  public:
    SectionAnalysis(FieldSource& form, Prompter& prompter, AnalysisInput& input, AnalysisResults& results);

    // The run; the caller resets the mouse pointer afterwards.
    void variabili();

    // The drawing step at the end of every run that reaches it; by default it shows
    // the bending results.
    std::function<void()> disegnasezione;
    // The neutral-axis search used by asseneutro.
    NeutralAxisSearch search = find_neutral_axis;

  private:
    enum class Outcome { go_on, stopped };

    Outcome read_materials();
    Outcome read_and_check_section();
    Outcome refuse();  // a required input is missing or below 0
    void asseneutro();
    void momento(const Trial& accepted);
    void taglio();

    FieldSource& form_;
    FormFields fields_;  // the form as the run read it
    Prompter& prompter_;
    AnalysisInput& in_;
    AnalysisResults& out_;
    std::string group_;  // input group named in the messages
};

}  // namespace norvexa
