#pragma once

#include <optional>
#include <string>

#include "analysis/field_source.h"
#include "analysis/shear_result.h"
#include "analysis/standard_shear.h"
#include "capacity/capacity.h"
#include "capacity/ntc_shear.h"

namespace norvexa::capacity {

// What the shear of every row reads from the input form once.
struct FormShear {
    std::optional<Stirrups> stirrups;  // the shear switch on with arms, diameter and spacing
                                       // positive numbers
    StandardShearInput standard;       // its material and stirrup values
    std::optional<double> fck, fyk;    // N/mm², from the library's texts; numbers whenever the
                                       // NTC 2018 design laws could be found
};
FormShear form_shear(const FieldSource& form);

// The web, the effective depth and the stretched steel at a combination's ultimate plane.
ShearSection shear_section(const Section& section, const Capacity& capacity);

// A combination's shear under its code: VRd,c, VRsd and VRcd under the NTC 2018, the
// standard method of the analysis under the D.M. 9/1/96.
struct CombinationShear {
    std::optional<NtcShear> ntc;
    std::optional<ShearResult> standard;
    std::string message;  // why the standard method could not run

    bool verified() const;
};
CombinationShear combination_shear(Code code, const Section& section, const Materials& materials,
                                   const FormShear& form, const Combination& combination, const Capacity& capacity,
                                   std::optional<double> cot_theta);

}  // namespace norvexa::capacity
