#include "drawing/analysis_window.h"

#include "analysis/section_analysis.h"

namespace norvexa {

AnalysisWindow::AnalysisWindow() {
    sf.text = "Elaborazione in corso...";
    sf.visible = false;
}

void AnalysisWindow::variabili(FieldSource& form, Prompter& prompter) {
    SectionAnalysis(form, prompter, input, results).variabili();
}

void AnalysisWindow::clear_shear_results() {
    AnalysisResults& r = results;
    for (Control* label : {&r.lk, &r.lbweb, &r.lrol, &r.lvrd1, &r.Label73, &r.lnu, &r.lvrd2, &r.Label76, &r.lsmax,
                           &r.Label91, &r.lvwd, &r.lvrd3, &r.lvsd, &r.rlvsd, &r.lvtaglio, &r.Label81})
        label->text.clear();
}

}  // namespace norvexa
