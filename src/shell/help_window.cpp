#include "shell/help_window.h"

#include "common/manual_install.h"
#include "common/program_folder.h"

namespace norvexa {
namespace {

RtfDocument built_in_text() {
    RtfDocument document;
    document.rtf = document.intact = true;
    RtfRun run;
    run.text = HelpWindow::missing_manual_text;
    RtfParagraph paragraph;
    paragraph.runs.push_back(std::move(run));
    document.paragraphs.push_back(std::move(paragraph));
    return document;
}

}  // namespace

HelpWindow::HelpWindow(HelpLine& line) : line_(line), RichTextBox1_(built_in_text()) {
    using K = ControlKind;
    add("Label1", Label1, K::label).text("Manuale norvexa");
    add("Command2", Command2, K::command_button).text("Chiudi").back(colours::button_face)
        .click([this] { Command2_Click(); });
    add("ch", ch, K::command_button).text("Chiudi guida").click([this] { ch_Click(); });
    reset();
    if (line_.text().empty()) line_.set(lh_start_text);
}

void HelpWindow::show_built_in_text() {
    RichTextBox1_ = built_in_text();
    manual_loaded_ = false;
    ++manual_revision_;
}

void HelpWindow::Form_Load(int analysis_left, int analysis_top) {
    if (loaded_) return;
    reset();
    loaded_ = true;
    place_ = {analysis_left, analysis_top, design_width, tallest};
    show_built_in_text();
}

void HelpWindow::show_at_top(const MainWindowPlace& main) {
    place_.top = main.place.top;
    place_.height = main.place.height < tallest ? main.place.height : tallest;
    visible_ = true;
    touch();
}

void HelpWindow::guida(MainWindowPlace& main, int input_form_width, int analysis_left, int analysis_top) {
    Form_Load(analysis_left, analysis_top);
    if (main.state != WindowState::normal) {
        main.state = WindowState::normal;
        main.place = main.normal_place;
    }
    if (main.place.width > narrowed_main_width) main.place.width = narrowed_main_width;
    place_.left = main.place.left + input_form_width + gap;
    show_at_top(main);
    load_manual();
}

void HelpWindow::guidanon(const MainWindowPlace& main, int analysis_left, int analysis_top) {
    Form_Load(analysis_left, analysis_top);
    show_at_top(main);
    load_manual();
}

void HelpWindow::load_manual() {
    if (!shipped_manual.empty()) install_manual(shipped_manual, manual_file());
    const auto bytes = read_small_file(manual_file(), largest_manual_bytes);
    if (!bytes) return;
    RtfDocument manual = read_rtf(*bytes);
    if (!manual.rtf) return;
    RichTextBox1_ = std::move(manual);
    manual_loaded_ = true;
    ++manual_revision_;
    touch();
}

void HelpWindow::Form_MouseMove() {
    // Every small move of the pointer comes here: only a real change is news for the views.
    if (line_.text() == lh_start_text) return;
    line_.set(lh_start_text);
    touch();
}

void HelpWindow::RichTextBox1_MouseMove() { Form_MouseMove(); }

void HelpWindow::lh_GotFocus() {
    focus_ = "Command2";
    touch();
}

void HelpWindow::RichTextBox1_GotFocus() { lh_GotFocus(); }

void HelpWindow::unload() {
    loaded_ = false;
    visible_ = false;
    show_built_in_text();
    touch();
}

void HelpWindow::Command2_Click() { unload(); }
void HelpWindow::ch_Click() { unload(); }

}  // namespace norvexa
