#include "report/combination_report.h"

#include <algorithm>

#include "capacity/code_key.h"
#include "capacity/service_text.h"
#include "capacity/shear_text.h"
#include "common/numbers.h"

namespace norvexa {
namespace {

using capacity::mm_per_cm, capacity::N_per_kN, capacity::Nmm_per_kNm, capacity::per_mille;

std::string verdict(const capacity::CombinationResult& result) {
    if (!result.capacity) return "*****  Fuori dominio  *****";
    return result.verified ? "*****  Pressoflessione verificata  *****"
                           : "*****  Attenzione: pressoflessione non verificata  *****";
}

std::string result_line(const capacity::Combination& combination, const capacity::CombinationResult& result) {
    std::string line = combination.name + ": NEd= KN " + rounded_text(combination.NEd, 2) + "  MEd= KNm " +
                       rounded_text(combination.MEd, 2);
    if (const auto& capacity = result.capacity) {
        line += "  MRd= KNm " + rounded_text(capacity->MRd / Nmm_per_kNm, 2);
        if (capacity->neutral_axis) line += "  x=cm " + rounded_text(capacity->x / mm_per_cm, 2);
        line += "  Epsilon c=" + rounded_text(capacity->eps_c * per_mille, 2) + "%°  Epsilon s=" +
                rounded_text(capacity::most_stretched_strain(*capacity) * per_mille, 2) + "%°  MEd/MRd= " +
                rounded_text(result.ratio, 3);
    }
    return line + "    " + verdict(result);
}

}  // namespace

std::vector<std::string> combination_report_lines(const capacity::CombinationSet& combinations,
                                                  const capacity::Verification& verification) {
    std::vector<std::string> lines{
        "---------------------------------------------------------------------------",
        "",
        std::string("VERIFICA PRESSOFLESSIONE (") + capacity::code_title(combinations.code) + ")",
        "Dominio M-N: NRd,max= KN " + rounded_text(verification.NRd_max / N_per_kN, 2) + "  NRd,min= KN " +
            rounded_text(verification.NRd_min / N_per_kN, 2),
        "NEd positivo di compressione, MEd positivo se tende il lembo inferiore; deformazioni positive di compressione",
    };
    const std::vector<std::string> titles = capacity::shear_titles(combinations.code, capacity::Script::latin);
    for (std::size_t i = 0; i < combinations.rows.size(); ++i) {
        if (const auto& service = verification.service[i]) {
            for (std::string& line : capacity::service_report_lines(combinations.rows[i], *service))
                lines.push_back(std::move(line));
            continue;
        }
        lines.push_back(result_line(combinations.rows[i], verification.results[i]));
        if (!verification.shear[i]) continue;
        const std::vector<std::string> cells = capacity::shear_cells(*verification.shear[i]);
        std::string shear = "    Taglio: VEd [kN] " + rounded_text(*combinations.rows[i].VEd, 2);
        for (std::size_t j = 0; j + 1 < cells.size(); ++j)
            if (!cells[j].empty()) shear += "  " + titles[j] + " " + cells[j];
        lines.push_back(shear + "    " + cells.back());
    }
    if (!verification.detailing.empty()) lines.push_back("Regole di dettaglio (NTC 2018, par. 4.1.6.1.1):");
    for (const capacity::DetailingCheck& check : verification.detailing)
        lines.push_back("    " + capacity::detailing_text(check, capacity::Script::latin));
    return lines;
}

}  // namespace norvexa
