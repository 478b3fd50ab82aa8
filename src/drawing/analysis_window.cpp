#include "drawing/analysis_window.h"

#include "analysis/section_analysis.h"
#include "common/settings_file.h"
#include "drawing/bar_list_place.h"
#include "drawing/pointer_readout.h"
#include "drawing/section_drawing.h"

namespace norvexa {

const FixedTextMeasure AnalysisWindow::fixed_measure;

AnalysisWindow::AnalysisWindow(const TextMeasure& measure) : measure_(&measure) {}

void AnalysisWindow::Form_Load(float title_window_height, float input_window_width) {
    top = title_window_height;
    left = input_window_width;
    const auto colours = read_analysis_window_colours();
    if (!colours) return;
    board.trat1.back = board.trat2.back = board.Shape10.back = (*colours)[0];
    board.Frame6.back = board.Label43.back = (*colours)[3];
}

void AnalysisWindow::reload() {
    touch();
    input = {};
    results = {};
    board = {};
    last_run_read_.reset();
    outdated_ = false;
    Form_Load(top, left);
}

void AnalysisWindow::variabili(FieldSource& form, Prompter& prompter) {
    touch();
    board.hide_bar_lists();
    RecordingSource recorded(form);
    SectionAnalysis run(recorded, prompter, input, results);
    bool completed = false;
    run.disegnasezione = [&] {
        disegnasezione(recorded, input, results, board, *measure_);
        completed = true;
    };
    run.variabili();
    if (completed) last_run_read_ = recorded.reads();
    outdated_ = !completed && last_run_read_;
}

void AnalysisWindow::compare_inputs(const FieldSource& form) {
    if (outdated_ || !last_run_read_ || !last_run_read_->changed_in(form)) return;
    touch();
    outdated_ = true;
}

void AnalysisWindow::show_shear_panel(bool shown) {
    touch();
    if (shown) clear_shear_results();
    board.Frame3.visible = shown;
}

void AnalysisWindow::show_busy(bool busy) {
    touch();
    board.sf.visible = busy;
}

void AnalysisWindow::place_right_of(float input_window_width) {
    touch();
    left = input_window_width;
}

void AnalysisWindow::put_on_paper_dress(const std::string& title) {
    touch();
    undressed_ = board;
    board.sf.text = title;
    board.sf.visible = true;
    board.Label43.visible = false;
    board.Label28.visible = false;
    const auto lists = board.bar_lists();
    const auto circles = board.circles();
    for (int i = 0; i < 4; ++i) {
        BoardElement& list = *lists[i];
        list.visible = input.a[i] != 0;
        list.filled = false;
        list.border = false;
        place_on_paper(list, *circles[i], board.Shape7);
    }
}

void AnalysisWindow::take_off_paper_dress() {
    touch();
    board = undressed_;
}

void AnalysisWindow::clear_shear_results() {
    AnalysisResults& r = results;
    for (Control* label : {&r.lk, &r.lbweb, &r.lrol, &r.lvrd1, &r.Label73, &r.lnu, &r.lvrd2, &r.Label76, &r.lsmax,
                           &r.Label91, &r.lvwd, &r.lvrd3, &r.lvsd, &r.rlvsd, &r.lvtaglio, &r.Label81})
        label->text.clear();
}

void AnalysisWindow::FRAMEZ_MouseMove() {
    touch();
    pointer_off_board(board);
}

void AnalysisWindow::TAVOLA_MouseMove(int, int, float x, float y) {
    touch();
    pointer_over_board(board, x, y);
}

}  // namespace norvexa
