#include "capacity/shear_text.h"

#include "capacity/verification.h"
#include "common/numbers.h"

namespace norvexa::capacity {
namespace {

std::string kN(double newtons) { return rounded_text(newtons / N_per_kN, 2); }

}  // namespace

std::vector<std::string> shear_titles(Code code, Script script) {
    if (code == Code::ntc2018)
        return {"VRd,c [kN]", "VRsd [kN]", "VRcd [kN]", script == Script::unicode ? "ctgθ" : "ctg theta", "VRd [kN]",
                "Taglio"};
    return {"Vrd1 [kN]", "Vwd [kN]", "Vrd2 [kN]", "smax [cm]", "Vrd3 [kN]", "Taglio"};
}

std::vector<std::string> shear_tips(Code code) {
    if (code == Code::ntc2018)
        return {"Resistenza a taglio senza armatura trasversale",
                "Resistenza delle staffe (taglio-trazione)",
                "Resistenza delle bielle di calcestruzzo (taglio-compressione)",
                "Cotangente dell'inclinazione delle bielle",
                "Resistenza a taglio: min(VRsd, VRcd)",
                "Esito della verifica a taglio"};
    return {"Resistenza senza armatura a taglio",
            "Contributo delle staffe",
            "Resistenza delle bielle di calcestruzzo",
            "Passo massimo delle staffe",
            "Resistenza a taglio Vrd1 + Vwd",
            "Esito della verifica a taglio"};
}

std::vector<std::string> shear_cells(const CombinationShear& shear) {
    if (const auto& r = shear.ntc) {
        std::vector<std::string> cells{kN(r->vrd_c), "", "", "", kN(r->vrd), ""};
        if (r->with_stirrups) {
            cells[1] = kN(r->vrsd);
            cells[2] = kN(r->vrcd);
            cells[3] = rounded_text(r->cot_theta, 2);
        }
        cells[5] = !r->verified() ? "non verificato" : r->minimum_suffices() ? "verificato, staffe minime" : "verificato";
        return cells;
    }
    if (const auto& r = shear.standard)
        return {kN(r->vrd1), kN(r->vwd), kN(r->vrd2), rounded_text(r->smax / mm_per_cm, 2), kN(r->vrd3),
                r->holds() ? "verificato" : "non verificato"};
    return {"", "", "", "", "", shear.message};
}

std::string detailing_text(const DetailingCheck& check, Script script) {
    const bool unicode = script == Script::unicode;
    const std::string value = check.value ? rounded_text(*check.value, 2) + " " + check.unit : "staffe assenti";
    const char* relation = check.at_least ? (unicode ? " ≥ " : " >= ") : (unicode ? " ≤ " : " <= ");
    const char* verdict = check.ok ? (unicode ? "  ✔" : "  OK") : (unicode ? "  ✘" : "  NON RISPETTATA");
    return check.rule + ": " + value + relation + rounded_text(check.limit, 2) + " " + check.unit + verdict;
}

}  // namespace norvexa::capacity
