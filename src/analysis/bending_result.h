#pragma once

#include <array>

namespace norvexa {

// Which material reaches its ultimate strain first.
enum class FailureSide { steel, concrete, both };

// The bending verification of one run. The neutral-axis search fills the members down to
// the failure side; the resisting moment the rest. A run that stops between the two
// leaves the moment's members at 0.
struct BendingResult {
    double neutral_axis = 0;  // depth of the neutral axis, cm to two decimals as shown
    float dm = 0;             // effective depth, mm
    float xsud = 0;           // x/d of the accepted trial
    FailureSide side = FailureSide::both;
    float epsclsz = 0;              // top-fibre strain, per mille
    std::array<float, 4> eps{};     // layer strains, plain numbers
    std::array<float, 4> sigma{};   // layer stresses, N/mm²; 0 for a layer of zero area
    double msd = 0;           // design moment, kNm
    float x = 0;              // depth at which the moment was evaluated, mm
    float sigmac = 0;         // top-fibre stress, N/mm²
    double mrd = 0;           // resisting moment, kNm

    // Mrd > Msd, strictly, on the values as their captions show them (Mrd to one
    // decimal, Msd to 15 significant digits), so that the verdict never contradicts them.
    bool holds() const;
};

}  // namespace norvexa
