#include "capacity/combinations_report.h"

#include <algorithm>

#include "analysis/analysis_results.h"
#include "capacity/code_key.h"
#include "capacity/shear_text.h"
#include "common/numbers.h"

namespace norvexa::capacity {
namespace {

const std::string rule(75, '-');
// The table's columns: their width in characters, then the cells of each row.
const std::vector<int> widths = {4, 14, 9, 9, 8, 9, 7, 7, 7, 8, 15};
const std::vector<int> shear_widths = {4, 14, 8, 11, 10, 10, 10, 10, 15};
const char* const captions[] = {"N.",     "Nome",  "NEd KN", "MEd KNm", "VEd KN", "MRd KNm",
                                "x cm",   "epsc%°", "epss%°", "MEd/MRd", "Esito"};

// Pads to the width in characters, each UTF-8 sequence counting once.
std::string padded(std::string text, int width) {
    const auto shown = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    if (shown < width) text.append(static_cast<std::size_t>(width - shown), ' ');
    return text;
}

std::string table_line(const std::vector<std::string>& cells, const std::vector<int>& column_widths = widths) {
    std::string line;
    for (std::size_t i = 0; i < cells.size() && i < column_widths.size(); ++i) line += padded(cells[i], column_widths[i]);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

}  // namespace

std::vector<std::string> combinations_report_lines(const CombinationsWindow& window) {
    std::vector<std::string> out = {rule, "VERIFICA A PRESSOFLESSIONE", ""};
    if (window.results_outdated()) out.insert(out.begin() + 1, outdated_results_notice);
    const CapacityRun* run = window.run();
    if (run) {
        const ConcreteLaw& c = run->materials.concrete;
        const SteelLaw& s = run->materials.steel;
        out.insert(out.end(), {
            std::string("Normativa: ") + code_title(run->set.code),
            "Calcestruzzo: fcd=N/mmq " + rounded_text(c.fcd, 2) + "  Epsilon c2=%° " + rounded_text(c.eps_c2 * 1000, 3) +
                "  Epsilon cu=%° " + rounded_text(c.eps_cu * 1000, 3) + "  n=" + rounded_text(c.n, 3),
            "Acciaio: fyd=N/mmq " + rounded_text(s.fyd, 2) + "  Es=N/mmq " + rounded_text(s.Es, 0) +
                "  Epsilon ud=%° " + rounded_text(s.eps_ud * 1000, 3),
            "NRd,max=KN " + rounded_text(run->NRd_max / 1000, 1) + "      NRd,min=KN " +
                rounded_text(run->NRd_min / 1000, 1),
            "",
        });
    } else {
        out.push_back("Combinazioni non ancora verificate: premere Calcola (F9)");
        out.push_back("");
    }
    out.push_back(table_line({std::begin(captions), std::end(captions)}));
    const std::vector<int> service = window.service_rows();
    std::vector<bool> is_service(static_cast<std::size_t>(window.row_count()));
    for (const int row : service) is_service[static_cast<std::size_t>(row)] = true;
    for (int row = 0; row < window.row_count(); ++row) {
        if (is_service[static_cast<std::size_t>(row)]) continue;
        std::vector<std::string> cells{std::to_string(row + 1)};
        for (int column = 0; column <= static_cast<int>(Column::verdict); ++column)
            if (column != static_cast<int>(Column::kind)) cells.push_back(window.cell(row, static_cast<Column>(column)));
        out.push_back(table_line(cells));
    }
    const auto has_shear = [&](int row) { return !window.cell(row, Column::shear_verdict).empty(); };
    bool any_shear = false;
    for (int row = 0; row < window.row_count(); ++row) any_shear = any_shear || has_shear(row);
    if (any_shear) {
        out.insert(out.end(), {"", "Taglio:"});
        std::vector<std::string> titles{"N.", "Nome", "VEd KN"};
        const std::vector<std::string> shear = shear_titles(run->set.code, Script::latin);
        titles.insert(titles.end(), shear.begin(), shear.end());
        out.push_back(table_line(titles, shear_widths));
        for (int row = 0; row < window.row_count(); ++row) {
            if (!has_shear(row)) continue;
            std::vector<std::string> cells{std::to_string(row + 1), window.cell(row, Column::name),
                                           window.cell(row, Column::VEd)};
            for (int column = static_cast<int>(Column::VRd_c); column < column_count; ++column)
                cells.push_back(window.cell(row, static_cast<Column>(column)));
            out.push_back(table_line(cells, shear_widths));
        }
    }
    if (!service.empty()) out.insert(out.end(), {"", "Verifiche in esercizio (NTC 2018, par. 4.1.2.2):"});
    for (const int row : service) {
        const RowResult* shown = window.result(row);
        if (!shown || !shown->service) {
            out.push_back(std::to_string(row + 1) + " " + window.cell(row, Column::name) + " (" +
                          window.cell(row, Column::kind) + "): da verificare");
            continue;
        }
        std::vector<std::string> lines = service_report_lines(shown->combination, *shown->service);
        lines.front() = std::to_string(row + 1) + " " + lines.front();
        out.insert(out.end(), lines.begin(), lines.end());
    }
    if (const auto rules = window.detailing_lines(Script::latin); !rules.empty()) {
        out.insert(out.end(), {"", "Regole di dettaglio (NTC 2018, par. 4.1.6.1.1):"});
        out.insert(out.end(), rules.begin(), rules.end());
    }
    if (const auto governing = window.governing()) {
        out.push_back("");
        out.push_back("Combinazione determinante: " + std::to_string(*governing + 1) + " " +
                      window.cell(*governing, Column::name) + " (" + window.cell(*governing, Column::verdict) + ")");
    }
    out.push_back(rule);
    return out;
}

}  // namespace norvexa::capacity
