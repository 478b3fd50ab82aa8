#pragma once

#include <array>

#include "analysis/analysis_input.h"

namespace norvexa {

// One trial depth of the neutral-axis search and the strains and stresses at it.
struct Trial {
    float x = 0;        // trial depth, mm
    float xsud = 0;     // x / d
    float epsclsz = 0;  // top-fibre strain, per mille
    std::array<float, 4> eps{};    // layer strains, plain numbers
    std::array<float, 4> sigma{};  // layer stresses, N/mm²
    std::array<float, 4> force{};  // layer forces, N; negative in tension
};

// Effective depth d: the strictly deepest layer, else D1 (depths in mm).
float effective_depth(const std::array<float, 4>& D);

// Strains, stresses and steel forces of a trial (input in mm). Throws ArithmeticFault.
Trial evaluate_trial(const AnalysisInput& in, float dm, float x);

// Concrete force of the strips of height `strip` above the trial's neutral axis, N.
double concrete_force(const AnalysisInput& in, const Trial& trial, double strip);

// The trial's force sum with each term rounded to 2 decimals, rounded to a whole number.
double rounded_force_sum(const AnalysisInput& in, const Trial& trial, double strip);
// The same sum from a given concrete force: the concrete's and the steel forces' terms
// each rounded to 2 decimals, added in that order, rounded to a whole number.
double rounded_sum(double concrete, const Trial& trial);
// The steel forces' terms of that sum, each rounded to 2 decimals.
std::array<double, 4> rounded_steel(const Trial& trial);
double rounded_sum(double concrete, const std::array<double, 4>& steel);

// The deepest effective depth a search sweeps, mm: 10 km, far beyond the 32 767 cm the
// input form lets a section be, and small enough for the sweep's trial count.
inline constexpr float deepest_swept_depth = 1e7f;

struct SearchOutcome {
    float trial = 0;  // accepted trial depth, mm
    float dm = 0;     // effective depth, mm
};

// Searches the neutral axis by sweeps of trial depths 0.5, 1.5, ... mm with a tolerance
// growing by `tolerance` N on every trial. Each trial's force sum is computed once and
// the sweeps are replayed on the stored sums, which accepts exactly the trial that
// repeating the sweeps would. A trial's concrete force comes from the running sums of a
// StripTable, and from its strips one by one only when that cannot fix the rounded sum.
// Throws ArithmeticFault on an arithmetic fault, when the tolerance stops growing, when
// the strip height or tolerance is not positive, and when d is beyond
// deepest_swept_depth (a sweep holds one trial per mm of d).
SearchOutcome find_neutral_axis(const AnalysisInput& in, double strip, float tolerance);

using NeutralAxisSearch = SearchOutcome (*)(const AnalysisInput&, double, float);

}  // namespace norvexa
