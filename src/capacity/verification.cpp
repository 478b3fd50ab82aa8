#include "capacity/verification.h"

#include <algorithm>

#include "common/numbers.h"

namespace norvexa::capacity {

Materiale form_material(const FieldSource& form, MaterialKind kind) {
    const std::string stem = kind == MaterialKind::steel ? "stl" : "con";
    Materiale material{kind, form.text(stem + "1"), {}};
    for (std::size_t i = 0; i < field_count(kind); ++i)
        material.fields.push_back(form.text(stem + std::to_string(i + 2)));
    return material;
}

std::vector<ListedBars> form_bars(const FieldSource& form, std::size_t layers) {
    std::vector<ListedBars> bars(layers);
    for (std::size_t k = 0; k < layers; ++k)
        for (int group = 1; group <= 3; ++group) {
            const std::string suffix = std::to_string(k + 1) + "a" + std::to_string(group);
            const auto count = locale_double(form.text("n" + suffix)), diameter = locale_double(form.text("f" + suffix));
            // A count or a diameter no bar list offers is no bar.
            if (!count || !diameter || *count < 1 || *count > 1000 || !allowed_setting(ServiceSetting::diameter, diameter))
                continue;
            bars[k].count += static_cast<int>(*count);
            bars[k].diameter = std::max(bars[k].diameter.value_or(0), *diameter);
        }
    return bars;
}

std::variant<Verification, std::string> verify_form(const FieldSource& form, const CombinationSet& combinations) {
    auto section = section_from_form(form);
    if (auto* refused = std::get_if<std::string>(&section)) return std::move(*refused);
    auto materials = design_materials(combinations.code, form_material(form, MaterialKind::concrete),
                                      form_material(form, MaterialKind::steel));
    if (auto* refused = std::get_if<std::string>(&materials)) return std::move(*refused);
    Verification verification;
    verification.section = std::get<Section>(std::move(section));
    verification.materials = std::get<Materials>(materials);
    const Section& s = verification.section;
    const Materials& m = verification.materials;
    verification.NRd_max = NRd_max(s, m);
    verification.NRd_min = NRd_min(s, m);
    verification.domain = domain(s, m);
    const FormShear shear = form_shear(form);
    const bool ntc = combinations.code == Code::ntc2018;
    ServiceInput service;
    if (ntc) service = {*shear.fck, *shear.fyk, m.steel.Es, combinations.service, form_bars(form, s.layers.size())};
    bool sagging = combinations.rows.empty(), hogging = false;
    for (const Combination& combination : combinations.rows) {
        auto& row_shear = verification.shear.emplace_back();
        auto& row_service = verification.service.emplace_back();
        if (combination.kind != Kind::ultimate) {
            verification.results.emplace_back();
            if (ntc) row_service = service_check(s, service, combination);
            else (row_service = ServiceCheck{})->message = "verifiche in esercizio solo con NTC 2018";
            continue;
        }
        CombinationResult& result = verification.results.emplace_back(verify(s, m, combination));
        if (combination.VEd && result.capacity)
            row_shear = combination_shear(combinations.code, s, m, shear, combination, *result.capacity,
                                          combinations.cot_theta);
        (combination.MEd < 0 ? hogging : sagging) = true;
    }
    // The NTC 2018 design laws were found from fck and fyk, so both are numbers here.
    if (ntc)
        verification.detailing = detailing(s, *shear.fck, *shear.fyk, shear.stirrups, sagging, hogging);
    return verification;
}

}  // namespace norvexa::capacity
