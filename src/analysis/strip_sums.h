#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "analysis/analysis_input.h"
#include "analysis/neutral_axis.h"

namespace norvexa {

// The upper edges 0, s, 2s, ... of the concrete strips, exactly as the strip loop
// accumulates them in double precision, with running sums of the edges and of their
// squares, so that the concrete force of any trial follows from a few of them instead
// of a loop over its strips. One table serves every trial of a search.
class StripTable {
  public:
    // No table is kept beyond this many strips; deeper trials are integrated strip by strip.
    static constexpr std::size_t most_strips = 6'000'000;

    explicit StripTable(double strip);

    // An interval [low, high] that holds the concrete force that concrete_force computes
    // for the trial, strip by strip, with all of its roundings; nullopt when no such
    // interval can be given cheaply (a trial beyond the table, a strain that is not
    // positive, values near the range of a double).
    struct Bounds {
        double low, high;
    };
    std::optional<Bounds> concrete_force(const AnalysisInput& in, const Trial& trial);

  private:
    // Extends the table until it holds every edge up to x; false past most_strips.
    bool cover(double x);
    // The number of edges y_k with y_k <= limit (the edges are increasing).
    std::size_t edges_up_to(double limit) const;
    // The number of leading edges for which `holds` is true, searched from a guess; the
    // predicate must hold for a prefix of the edges and fail for the rest.
    std::size_t count_where(std::size_t guess, const std::function<bool(double)>& holds) const;

    double strip_;
    std::vector<double> edge_;          // y_k
    std::vector<long double> sum_;      // sum of y_m for m < k
    std::vector<long double> squares_;  // sum of y_m² for m < k
};

}  // namespace norvexa
