#include "capacity/service_check.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <variant>

#include "capacity/detailing.h"

namespace norvexa::capacity {
namespace {

// The crack width limits w3, w2, w1 (mm) of ordinary reinforcement.
std::optional<double> crack_limit(Kind kind, Environment environment) {
    if (kind != Kind::frequent && kind != Kind::quasi_permanent) return std::nullopt;
    const bool frequent = kind == Kind::frequent;
    switch (environment) {
        case Environment::ordinary: return frequent ? 0.4 : 0.3;
        case Environment::aggressive: return frequent ? 0.3 : 0.2;
        case Environment::very_aggressive: return 0.2;
    }
    return std::nullopt;
}

double width_at(const Section& section, double depth) {
    for (const Band& band : section.bands)
        if (depth <= band.bottom) return band.width;
    return section.bands.back().width;
}

// The bars of the most stretched layer: the typed or listed diameter, the typed cover or
// the one its depth leaves to the stretched edge, the spacing of its bars over the width
// less the covers at the sides, taken alike.
std::variant<CrackBars, std::string> stretched_bars(const Section& section, const ServiceInput& input,
                                                    const ServiceStress& stress, std::size_t layer) {
    const std::string k = std::to_string(layer + 1);
    const ServiceSettings& s = input.settings;
    const ListedBars listed = layer < input.bars.size() ? input.bars[layer] : ListedBars{};
    const std::optional<double> diameter = s.diameter[layer] ? s.diameter[layer] : listed.diameter;
    if (!diameter) return "manca il diametro delle barre dello strato " + k;
    const double depth = section.layers[layer].depth;
    const double edge = stress.top_compressed ? section.height() - depth : depth;
    const double cover = s.cover[layer] ? *s.cover[layer] * mm_per_cm : edge - *diameter / 2;
    if (cover <= 0) return "copriferro non positivo nello strato " + k;
    const double bar = std::numbers::pi * *diameter * *diameter / 4;
    const int count = listed.count > 0 && !s.diameter[layer]
                          ? listed.count
                          : static_cast<int>(std::lround(std::clamp(section.layers[layer].area / bar, 1.0, 1000.0)));
    const double free = width_at(section, depth) - 2 * cover - *diameter;
    return CrackBars{*diameter, cover, count > 1 ? std::max(free, 0.0) / (count - 1) : 0.0};
}

// Far below the largest double, so that every figure shown of it stays one; false for
// infinities and NaN.
bool representable(double value) { return std::fabs(value) < 1e200; }

bool representable(const ServiceStress& stress) {
    return representable(stress.x) && representable(stress.sigma_c) && representable(stress.uncracked_tension) &&
           std::all_of(stress.sigma_s.begin(), stress.sigma_s.end(), [](double s) { return representable(s); });
}

const char* const beyond_numbers = "NEd o MEd troppo grandi per le verifiche in esercizio";

}  // namespace

bool allowed_setting(ServiceSetting setting, std::optional<double> value) {
    if (!value) return false;
    switch (setting) {
        case ServiceSetting::n: return *value >= 1 && *value <= 100;
        case ServiceSetting::kt: return *value > 0 && *value <= 1;
        default: return *value > 0 && *value <= 100;
    }
}

ServiceLimits service_limits(Kind kind, Environment environment, double fck, double fyk) {
    ServiceLimits limits;
    if (kind == Kind::characteristic) {
        limits.sigma_c = 0.60 * fck;
        limits.sigma_s = 0.80 * fyk;
    }
    if (kind == Kind::quasi_permanent) limits.sigma_c = 0.45 * fck;
    limits.wk = crack_limit(kind, environment);
    return limits;
}

ServiceCheck service_check(const Section& section, const ServiceInput& input, const Combination& combination) {
    ServiceCheck check;
    check.limits = service_limits(combination.kind, input.settings.environment, input.fck, input.fyk);
    check.formation = fctm(input.fck) / 1.2;
    check.stress = service_stress(section, input.settings.n, combination.NEd * N_per_kN, combination.MEd * Nmm_per_kNm);
    if (!check.stress) {
        check.message = "nessun equilibrio elastico sotto NEd e MEd";
        return check;
    }
    // Actions beyond any section overflow the stresses: no figure of them is shown.
    if (!representable(*check.stress)) {
        check.stress.reset();
        check.message = beyond_numbers;
        return check;
    }
    const ServiceStress& stress = *check.stress;
    const std::size_t most = most_stretched_layer(section, stress);
    check.sigma_c = stress.sigma_c;
    check.sigma_s = 0.0 - stress.sigma_s[most];  // +0 rather than -0 when unstressed
    check.cracked = stress.state != ServiceStress::State::uncracked && stress.uncracked_tension > check.formation;
    if (!check.limits.wk || !check.cracked) return check;
    const auto bars = stretched_bars(section, input, stress, most);
    if (const auto* missing = std::get_if<std::string>(&bars)) {
        check.message = *missing;
        return check;
    }
    check.crack = crack_width(section, stress, std::get<CrackBars>(bars),
                              CrackMaterials{input.fck, input.Es, input.settings.kt});
    if (!representable(check.crack->wk) || !representable(check.crack->sr_max)) {
        check.crack.reset();
        check.message = beyond_numbers;
    }
    return check;
}

}  // namespace norvexa::capacity
