#include "report/report_window.h"

#include <optional>
#include <string>
#include <vector>

#include "common/arithmetic_fault.h"
#include "common/line_file.h"
#include "common/program_folder.h"
#include "report/rtf_writer.h"

namespace norvexa {
namespace {

// The report as loaded back from its text file; nullopt when a file fails.
std::optional<std::vector<std::string>> write_report_files(const ReportData& data) {
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
    if (!lines || !write_file(report_rich_text_file(), rtf_document(*lines))) return std::nullopt;
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? "" : "\n") + lines[i];
    return text;
}

}  // namespace

ReportWindow::ReportWindow() { Frame1.enabled = false; }

void ReportWindow::CALCULUS(const ReportData& data, Prompter& prompter) {
    Frame1.enabled = true;
    if (const auto lines = write_report_files(data)) {
        rtxt.text = joined(*lines);
        return;
    }
    prompter.ask({"Problemi di connessione con microsoft word o notepad. Per aggiornare/visualizzare la relazione "
                  "chiudere il file in microsoft word/notepad",
                  Icon::critical, Buttons::ok, "Attenzione"});
    rtxt.text.clear();
}

}  // namespace norvexa
