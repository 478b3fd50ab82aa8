#include "capacity/service_text.h"

#include "capacity/code_key.h"
#include "common/numbers.h"

namespace norvexa::capacity {
namespace {

// "value ≤ limit ✔" where there is a limit, the value alone where there is none.
std::string against(double value, std::optional<double> limit, int decimals, Script script) {
    std::string text = rounded_text(value, decimals);
    if (!limit) return text;
    const bool ok = value <= *limit, unicode = script == Script::unicode;
    return text + (ok ? (unicode ? " ≤ " : " <= ") : " > ") + rounded_text(*limit, decimals) +
           (ok ? (unicode ? " ✔" : " OK") : (unicode ? " ✘" : " NO"));
}

}  // namespace

std::vector<std::string> service_titles(Script script) {
    if (script == Script::latin)
        return {"sigma c N/mmq", "sigma s N/mmq", "x cm", "Fessurazione", "wk mm", "sr,max mm", "Esito"};
    return {"σc [N/mm²]", "σs [N/mm²]", "x [cm]", "Fessurazione", "wk [mm]", "sr,max [mm]", "Esito SLE"};
}

std::vector<std::string> service_tips() {
    return {"Tensione del lembo di calcestruzzo più compresso, con il suo limite",
            "Tensione dello strato di armatura più teso (trazione positiva), con il suo limite",
            "Profondità dell'asse neutro dal lembo compresso",
            "Trazione massima della sezione interamente reagente contro fctm/1,2",
            "Ampiezza di calcolo delle fessure, con il suo limite",
            "Distanza massima fra le fessure",
            "Esito delle verifiche in esercizio"};
}

std::vector<std::string> service_cells(const ServiceCheck& check, Script script) {
    std::vector<std::string> cells(service_column_count);
    if (const auto& stress = check.stress) {
        cells[0] = against(check.sigma_c, check.limits.sigma_c, 2, script);
        cells[1] = against(check.sigma_s, check.limits.sigma_s, 1, script);
        using State = ServiceStress::State;
        cells[2] = stress->state == State::cracked     ? rounded_text(stress->x / mm_per_cm, 2)
                   : stress->state == State::uncracked ? "tutta compressa"
                                                       : "tutta tesa";
        const bool unicode = script == Script::unicode;
        cells[3] = std::string(unicode ? "σt " : "sigma t ") + rounded_text(stress->uncracked_tension, 2) +
                   (check.cracked ? " > " : (unicode ? " ≤ " : " <= ")) + rounded_text(check.formation, 2) +
                   (check.cracked ? ": fessurata" : ": sezione non fessurata");
    }
    if (check.limits.wk && check.message.empty()) cells[4] = against(check.wk(), check.limits.wk, 3, script);
    if (check.crack) cells[5] = rounded_text(check.crack->sr_max, 1);
    cells[6] = !check.message.empty() ? check.message : check.verified() ? "verificata" : "non verificata";
    return cells;
}

std::vector<std::string> service_report_lines(const Combination& combination, const ServiceCheck& check) {
    const std::vector<std::string> titles = service_titles(Script::latin), cells = service_cells(check, Script::latin);
    // Lines short enough for a page: the stresses, the formation, the width and the verdict.
    const auto pairs = [&](std::size_t from, std::size_t to) {
        std::string line;
        for (std::size_t i = from; i < to; ++i)
            if (!cells[i].empty()) line += (line.empty() ? "" : "  ") + titles[i] + " " + cells[i];
        return line;
    };
    std::vector<std::string> lines{combination.name + " (" + kind_title(combination.kind) + "): NEd= KN " +
                                   rounded_text(combination.NEd, 2) + "  MEd= KNm " + rounded_text(combination.MEd, 2)};
    const std::string width = pairs(4, 6);
    for (const std::string& line : {pairs(0, 3), pairs(3, 4), width.empty() ? cells[6] : width + "    " + cells[6]})
        if (!line.empty()) lines.push_back("    " + line);
    return lines;
}

}  // namespace norvexa::capacity
