#pragma once

#include <optional>

#include "capacity/combinations_window.h"
#include "capacity/ui/capacity_plot.h"

namespace norvexa::capacity {

// The M–N domain of the last calculation, N in kN across (compression to the right), M
// in kNm upwards (positive stretching the bottom), with each row's NEd and MEd numbered
// (red where it is not verified); none before the first calculation.
std::optional<PlotContent> domain_content(const CombinationsWindow& window);
// The selected row's moment against curvature, χ in 1/km across and M in kNm upwards,
// with the first yield and the ultimate point; none without one.
std::optional<PlotContent> curvature_content(const CombinationsWindow& window);

}  // namespace norvexa::capacity
