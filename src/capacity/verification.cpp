#include "capacity/verification.h"

namespace norvexa::capacity {

Materiale form_material(const FieldSource& form, MaterialKind kind) {
    const std::string stem = kind == MaterialKind::steel ? "stl" : "con";
    Materiale material{kind, form.text(stem + "1"), {}};
    for (std::size_t i = 0; i < field_count(kind); ++i)
        material.fields.push_back(form.text(stem + std::to_string(i + 2)));
    return material;
}

std::variant<Verification, std::string> verify_form(const FieldSource& form, const CombinationSet& combinations) {
    auto section = section_from_form(form);
    if (auto* refused = std::get_if<std::string>(&section)) return std::move(*refused);
    auto materials = design_materials(combinations.code, form_material(form, MaterialKind::concrete),
                                      form_material(form, MaterialKind::steel));
    if (auto* refused = std::get_if<std::string>(&materials)) return std::move(*refused);
    const Section& s = std::get<Section>(section);
    Verification verification{std::get<Materials>(materials), 0, 0, {}, {}};
    const Materials& m = verification.materials;
    verification.NRd_max = NRd_max(s, m);
    verification.NRd_min = NRd_min(s, m);
    verification.domain = domain(s, m);
    for (const Combination& combination : combinations.rows) verification.results.push_back(verify(s, m, combination));
    return verification;
}

}  // namespace norvexa::capacity
