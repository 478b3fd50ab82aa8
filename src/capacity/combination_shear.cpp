#include "capacity/combination_shear.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "capacity/verification.h"
#include "common/arithmetic_fault.h"
#include "common/numbers.h"

namespace norvexa::capacity {
namespace {

std::optional<double> positive(const std::string& text) {
    const auto value = action_number(text);
    if (value && *value > 0) return value;
    return std::nullopt;
}

}  // namespace

FormShear form_shear(const FieldSource& form) {
    FormShear f;
    const auto arms = positive(form.text("nbr")), diameter = positive(form.text("dst")),
               spacing = positive(form.text("passo"));
    const bool switched_on = form.value("Check5") != 0;
    if (switched_on && arms && diameter && spacing)
        f.stirrups = Stirrups{*arms * std::numbers::pi * *diameter * *diameter / 4, *spacing * mm_per_cm};

    StandardShearInput& s = f.standard;
    s.taurd = locale_single(form.text("con9"));
    s.fck = locale_single(form.text("con3"));
    s.fcd = locale_single(form.text("con5"));
    s.fsd = locale_single(form.text("stl4")).value_or(0);
    s.ast = locale_double(form.text("ast"));
    s.stirrups = f.stirrups.has_value();
    s.arms = form.text("nbr");
    s.diameter = form.text("dst");
    s.spacing = form.text("passo");
    f.fck = locale_double(form.text("con3"));
    f.fyk = locale_double(form.text("stl2"));
    return f;
}

ShearSection shear_section(const Section& section, const Capacity& capacity) {
    const Layer& stretched = section.layers[most_stretched_layer(capacity)];
    const bool sagging = capacity.plane.eps_bottom < capacity.plane.eps_top;
    ShearSection s{section.web_width(), sagging ? stretched.depth : section.height() - stretched.depth, 0,
                   section.area()};
    for (std::size_t i = 0; i < section.layers.size(); ++i)
        if (capacity.eps_s[i] < 0) s.asl += section.layers[i].area;
    return s;
}

bool CombinationShear::verified() const {
    if (ntc) return ntc->verified();
    return standard && standard->holds();
}

CombinationShear combination_shear(Code code, const Section& section, const Materials& materials,
                                   const FormShear& form, const Combination& combination, const Capacity& capacity,
                                   std::optional<double> cot_theta) {
    CombinationShear shear;
    const ShearSection s = shear_section(section, capacity);
    const double NEd = combination.NEd * N_per_kN, VEd = std::fabs(*combination.VEd) * N_per_kN;
    if (code == Code::ntc2018) {
        const NtcStrengths strengths{*form.fck, materials.concrete.fcd, materials.steel.fyd};
        shear.ntc = ntc_shear(s, strengths, NEd, VEd, form.stirrups, cot_theta);
        return shear;
    }
    StandardShearInput in = form.standard;
    in.d = s.d;
    in.asl = static_cast<float>(s.asl);
    in.bw = static_cast<float>(s.bw);
    in.sigma_cp = NEd / s.ac;
    in.vsd = VEd;
    try {
        standard_shear(in, shear.standard.emplace());
    } catch (const ArithmeticFault&) {
        shear.standard.reset();
        shear.message = "dati del taglio non validi";
    }
    return shear;
}

}  // namespace norvexa::capacity
