#pragma once

#include <functional>
#include <optional>
#include <string>

#include "analysis/shear_result.h"

namespace norvexa {

// The values the standard-method shear with vertical stirrups works on; mm, mm², N, N/mm².
struct StandardShearInput {
    double d = 0;          // effective depth
    float asl = 0;         // stretched bars
    float bw = 0;          // web width
    double sigma_cp = 0;   // axial stress N / Ac, compression positive
    double vsd = 0;        // design shear
    float fsd = 0;         // design yield stress of the stirrups
    // Concrete values and the stirrup area, empty when their text is not a number.
    std::optional<float> taurd, fck, fcd;  // fcd of the struts, not fcd*
    std::optional<double> ast;             // cm² per metre
    bool stirrups = true;                  // false: no stirrups, Vwd = 0
    std::string arms, diameter, spacing;   // the stirrups as typed: arms, mm, cm
};

// The steps after which a caption can show what has been found.
enum class ShearStep { size, web, steel_ratio, vrd1, nu, struts, largest_spacing, spacing, vwd, vrd3, stirrup_ratio };

// Vrd1 = τRd · k · (1,2 + 40 · ρl) · bw · d + 0,15 · σcp · bw · d, Vrd2, the largest spacing,
// Vwd and Vrd3 = Vrd1 + Vwd into r, calling `found` after each step: a missing value or
// an arithmetic fault throws ArithmeticFault with the steps before it already reported.
void standard_shear(const StandardShearInput& in, ShearResult& r,
                    const std::function<void(ShearStep)>& found = [](ShearStep) {});

}  // namespace norvexa
