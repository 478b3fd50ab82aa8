#pragma once

#include <string>
#include <variant>
#include <vector>

#include "analysis/field_source.h"
#include "capacity/capacity.h"
#include "capacity/combination_shear.h"
#include "capacity/detailing.h"
#include "materials/material_files.h"

namespace norvexa::capacity {

// The engine's N, N·mm, mm and strains in the units shown: kN, kNm, cm and ‰.
inline constexpr double N_per_kN = 1e3, Nmm_per_kNm = 1e6, mm_per_cm = 10, per_mille = 1e3;

// The material the input form shows in its labels (stl1..stl7 or con1..con9): its name
// and its fields, as read from the library.
Materiale form_material(const FieldSource& form, MaterialKind kind);

// The verification with axial force of the input form's section and materials.
struct Verification {
    Section section;
    Materials materials;
    double NRd_max = 0, NRd_min = 0;  // N
    std::vector<DomainPoint> domain;
    std::vector<CombinationResult> results;  // one per combination, in order
    // The shear of each combination with a VEd inside the domain, beside its result.
    std::vector<std::optional<CombinationShear>> shear;
    std::vector<DetailingCheck> detailing;  // under the NTC 2018 only
};
// Every combination of the set under its code, and the domain; the message that refuses
// the section or a material instead.
std::variant<Verification, std::string> verify_form(const FieldSource& form, const CombinationSet& combinations);

}  // namespace norvexa::capacity
