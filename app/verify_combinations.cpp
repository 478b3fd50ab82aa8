#include "verify_combinations.h"

#include "capacity/code_key.h"
#include "capacity/combinations_csv.h"
#include "common/json.h"
#include "common/line_file.h"
#include "common/numbers.h"
#include "report/combination_report.h"

namespace norvexa {
namespace {

using capacity::mm_per_cm, capacity::N_per_kN, capacity::Nmm_per_kNm, capacity::per_mille;

std::string member(const char* name, const std::string& value) { return std::string("\"") + name + "\": " + value; }

std::string kN_or_null(std::optional<double> newtons) {
    return newtons ? json_number(*newtons / N_per_kN) : "null";
}

// The shear in kN: under the D.M. 9/1/96 Vrd1, Vwd, Vrd2 and Vrd3 stand for VRd,c, VRsd,
// VRcd and VRd, with no strut inclination.
std::string shear_json(const std::optional<capacity::CombinationShear>& shear) {
    std::optional<double> vrd_c, vrsd, vrcd, cot, vrd;
    if (shear && shear->ntc) {
        const capacity::NtcShear& r = *shear->ntc;
        vrd_c = r.vrd_c;
        vrd = r.vrd;
        if (r.with_stirrups) vrsd = r.vrsd, vrcd = r.vrcd, cot = r.cot_theta;
    } else if (shear && shear->standard) {
        const ShearResult& r = *shear->standard;
        vrd_c = r.vrd1, vrsd = r.vwd, vrcd = r.vrd2, vrd = r.vrd3;
    }
    return member("VRd_c", kN_or_null(vrd_c)) + ", " + member("VRsd", kN_or_null(vrsd)) + ", " +
           member("VRcd", kN_or_null(vrcd)) + ", " + member("cot_theta", cot ? json_number(*cot) : "null") + ", " +
           member("VRd", kN_or_null(vrd)) + ", " +
           member("shear_verified", !shear ? "null" : shear->verified() ? "true" : "false");
}

std::string number_or_null(std::optional<double> value) { return value ? json_number(*value) : "null"; }

// A service row in N/mm², cm and mm: σc of the most compressed fibre, σs of the most
// stretched layer (tension positive), the width 0 when not cracked.
std::string service_json(const capacity::ServiceCheck& check) {
    const auto& stress = check.stress;
    const bool cracked_axis = stress && stress->state == capacity::ServiceStress::State::cracked;
    const bool width = check.limits.wk && check.message.empty();
    return member("sigma_c", stress ? json_number(check.sigma_c) : "null") + ", " +
           member("sigma_c_limit", number_or_null(check.limits.sigma_c)) + ", " +
           member("sigma_s", stress ? json_number(check.sigma_s) : "null") + ", " +
           member("sigma_s_limit", number_or_null(check.limits.sigma_s)) + ", " +
           member("x", cracked_axis ? json_number(stress->x / mm_per_cm) : "null") + ", " +
           member("cracked", stress ? (check.cracked ? "true" : "false") : "null") + ", " +
           member("wk", width ? json_number(check.wk()) : "null") + ", " +
           member("wk_limit", number_or_null(check.limits.wk)) + ", " +
           member("sr_max", check.crack ? json_number(check.crack->sr_max) : "null") + ", " +
           member("verified", check.verified() ? "true" : "false") + ", " + member("message", json_string(check.message));
}

std::string combination_json(const capacity::Combination& combination, const capacity::CombinationResult& result,
                             const std::optional<capacity::CombinationShear>& shear,
                             const std::optional<capacity::ServiceCheck>& service) {
    std::string out = "{" + member("name", json_string(combination.name)) + ", ";
    if (service) out += member("kind", json_string(capacity::kind_key(combination.kind))) + ", ";
    out += member("NEd", json_number(combination.NEd)) + ", " + member("MEd", json_number(combination.MEd));
    if (service) return out + ", " + service_json(*service) + "}";
    if (const auto& c = result.capacity)
        out += ", " + member("MRd", json_number(c->MRd / Nmm_per_kNm)) + ", " +
               member("x", c->neutral_axis ? json_number(c->x / mm_per_cm) : "null") + ", " +
               member("eps_c", json_number(c->eps_c * per_mille)) + ", " +
               member("eps_s", json_number(capacity::most_stretched_strain(*c) * per_mille)) + ", " +
               member("ratio", json_number(result.ratio));
    else
        out += R"(, "MRd": null, "x": null, "eps_c": null, "eps_s": null, "ratio": null)";
    return out + ", " + member("verified", result.verified ? "true" : "false") + ", " +
           member("message", json_string(result.message)) + ", " + shear_json(shear) + "}";
}

}  // namespace

std::variant<std::vector<capacity::Combination>, std::string> read_combinations_file(const std::string& path) {
    const auto bytes = read_small_file(path, largest_line_file_bytes);
    if (!bytes) return "impossibile leggere il file " + path;
    auto read = capacity::read_combinations(capacity::csv_lines(*bytes));
    if (const auto* bad = std::get_if<capacity::BadLine>(&read))
        return path + ": riga " + std::to_string(bad->number) + " non valida: «" + bad->text + "»";
    return std::get<std::vector<capacity::Combination>>(std::move(read));
}

std::string combinations_json(const capacity::CombinationSet& combinations, const capacity::Verification& verification) {
    std::string out = "\"combinations\": [";
    for (std::size_t i = 0; i < combinations.rows.size(); ++i)
        out += (i ? ", " : "") + combination_json(combinations.rows[i], verification.results[i], verification.shear[i],
                                                    verification.service[i]);
    out += "], \"detailing\": [";
    for (std::size_t i = 0; i < verification.detailing.size(); ++i) {
        const capacity::DetailingCheck& check = verification.detailing[i];
        out += std::string(i ? ", {" : "{") + member("rule", json_string(check.rule)) + ", " +
               member("value", check.value ? json_number(*check.value) : "null") + ", " +
               member("limit", json_number(check.limit)) + ", " + member("unit", json_string(check.unit)) + ", " +
               member("ok", check.ok ? "true" : "false") + "}";
    }
    out += "], \"domain\": {" + member("NRd_max", json_number(verification.NRd_max / N_per_kN)) + ", " +
           member("NRd_min", json_number(verification.NRd_min / N_per_kN)) + ", \"points\": [";
    for (std::size_t i = 0; i < verification.domain.size(); ++i) {
        const capacity::DomainPoint& point = verification.domain[i];
        out += (i ? ", [" : "[") + json_number(point.N / N_per_kN) + ", " + json_number(point.M / Nmm_per_kNm) + "]";
    }
    return out + "]}";
}

std::string domain_text(const capacity::Verification& verification) {
    std::string out;
    for (const capacity::DomainPoint& point : verification.domain)
        out += rounded_text(point.N / N_per_kN, 3) + ";" + rounded_text(point.M / Nmm_per_kNm, 3) + "\n";
    return out;
}

}  // namespace norvexa
