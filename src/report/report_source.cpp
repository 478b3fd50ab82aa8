#include "report/report_source.h"

namespace norvexa {

ReportData report_data(const std::string& title, const AnalysisWindow& window) {
    const Board& b = window.board;
    return {title, window.input, window.results, {b.listar1.text, b.listar2.text, b.listar3.text, b.listar4.text},
            b.Frame3.visible, window.results_outdated()};
}

}  // namespace norvexa
