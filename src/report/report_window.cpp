#include "report/report_window.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/arithmetic_fault.h"
#include "common/line_file.h"
#include "common/program_folder.h"
#include "report/report_file.h"
#include "report/rtf_writer.h"

namespace norvexa {
namespace {

// The report's two files as written: the lines loaded back from the text file and the
// rich text made of them.
struct ReportFiles {
    std::vector<std::string> lines;
    std::string rich_text;
};

// Writes both files; nullopt when one fails.
std::optional<ReportFiles> write_report_files(const ReportData& data) {
    std::vector<std::string> report;
    // A size beyond every printable number fails the report as a file would.
    try {
        report = report_lines(data);
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
    make_folder(program_folder());
    if (!write_lines(report_text_file(), report)) return std::nullopt;
    auto lines = read_lines(report_text_file());
    if (!lines) return std::nullopt;
    std::string rich_text = rtf_document(*lines);
    if (!write_file(report_rich_text_file(), rich_text)) return std::nullopt;
    return ReportFiles{std::move(*lines), std::move(rich_text)};
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? "" : "\n") + lines[i];
    return text;
}

}  // namespace

ReportWindow::ReportWindow() {
    using K = ControlKind;
    add("rtxt", rtxt, K::label);
    add("command1", command1, K::command_button).tip("Salva Relazione come Rich Text Format").text("Salva...")
        .back(colours::button_face).click([this] {
            if (services_) salvaz(services_->files, services_->prompter);
        });
    add("CommandButton1", CommandButton1, K::command_button).tip("Aggiorna Relazione").text("Aggiorna")
        .back(colours::button_face).click([this] {
            if (services_) CALCULUS(services_->source(), services_->prompter);
        });
    add("Command2", Command2, K::command_button).tip("Chiudi form Relazione").text("Chiudi")
        .back(colours::button_face).click([this] {
            if (close_window) close_window();
        });
    add("Frame1", Frame1, K::frame).text("Apri con...").enabled(false);
    add("OLE1", OLE1, K::picture).in("Frame1").text("MICROSOFT WORD").click([this] {
        if (services_) OLE1_open(services_->viewer);
    });
    add("OLE2", OLE2, K::picture).in("Frame1").text("BLOCCO NOTE").click([this] {
        if (services_) OLE2_open(services_->viewer);
    });
    start_afresh();
}

void ReportWindow::start_afresh() {
    reset();
    CommonDialog1 = {"", report_file_filter};
    forget_report();
}

void ReportWindow::forget_report() {
    rtxt.text.clear();
    lines_.clear();
    rich_text_ = rtf_document({});
}

void ReportWindow::Form_Load(const ReportData& data, Prompter& prompter) {
    start_afresh();
    top = 100;
    left = 2000;
    CALCULUS(data, prompter);
}

void ReportWindow::CALCULUS(const ReportData& data, Prompter& prompter) {
    touch();
    Frame1.enabled = true;
    if (auto files = write_report_files(data)) {
        rtxt.text = joined(files->lines);
        lines_ = std::move(files->lines);
        rich_text_ = std::move(files->rich_text);
        return;
    }
    prompter.ask({"Problemi di connessione con microsoft word o notepad. Per aggiornare/visualizzare la relazione "
                  "chiudere il file in microsoft word/notepad",
                  Icon::critical, Buttons::ok, "Attenzione"});
    forget_report();
}

void ReportWindow::salvaz(FileChooser& files, Prompter& prompter) {
    const auto path = files.choose_save(CommonDialog1);
    if (!path || path->empty()) return;
    CommonDialog1.file_name = *path;
    const bool saved = names_text_file(*path) ? write_lines(*path, lines_) : write_file(*path, rich_text_);
    if (!saved)
        prompter.ask({"Impossibile salvare la relazione: " + *path, Icon::critical, Buttons::ok, "Attenzione"});
}

bool ReportWindow::OLE1_open(OutsideViewer& viewer) const {
    return Frame1.enabled && viewer.open(report_rich_text_file());
}

bool ReportWindow::OLE2_open(OutsideViewer& viewer) const { return Frame1.enabled && viewer.open(report_text_file()); }

const std::vector<ReportMenuItem>& ReportWindow::menu() {
    static const std::vector<ReportMenuItem> items = {{"aggiorna", "&Aggiorna", "CommandButton1"},
                                                      {"salva", "&Salva", "command1"},
                                                      {},
                                                      {"chiudi", "Chiudi Relazione", "Command2"}};
    return items;
}

}  // namespace norvexa
