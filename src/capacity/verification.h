#pragma once

#include <string>
#include <variant>
#include <vector>

#include "analysis/field_source.h"
#include "capacity/capacity.h"
#include "capacity/combination_shear.h"
#include "capacity/detailing.h"
#include "capacity/service_check.h"
#include "materials/material_files.h"

namespace norvexa::capacity {

// The material the input form shows in its labels (stl1..stl7 or con1..con9): its name
// and its fields, as read from the library.
Materiale form_material(const FieldSource& form, MaterialKind kind);

// The verification with axial force of the input form's section and materials.
struct Verification {
    Section section;
    Materials materials;
    double NRd_max = 0, NRd_min = 0;  // N
    std::vector<DomainPoint> domain;
    std::vector<CombinationResult> results;  // one per combination, in order; empty for a
                                             // service row
    std::vector<std::optional<ServiceCheck>> service;  // one per combination, of a service row
    // The shear of each combination with a VEd inside the domain, beside its result.
    std::vector<std::optional<CombinationShear>> shear;
    std::vector<DetailingCheck> detailing;  // under the NTC 2018 only
};
// The largest bar and the number of bars of each layer's bar list on the form.
std::vector<ListedBars> form_bars(const FieldSource& form, std::size_t layers);

// Every combination of the set under its code, and the domain; the message that refuses
// the section or a material instead.
std::variant<Verification, std::string> verify_form(const FieldSource& form, const CombinationSet& combinations);

}  // namespace norvexa::capacity
