#include "report/combination_report.h"

#include <algorithm>

#include "capacity/code_key.h"
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
    for (std::size_t i = 0; i < combinations.rows.size(); ++i)
        lines.push_back(result_line(combinations.rows[i], verification.results[i]));
    return lines;
}

}  // namespace norvexa
