#include "analysis/neutral_axis.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "analysis/strip_sums.h"
#include "analysis/tolerance.h"
#include "common/arithmetic_fault.h"
#include "common/numbers.h"

namespace norvexa {

float effective_depth(const std::array<float, 4>& D) {
    for (int i = 0; i < 4; ++i) {
        bool deepest = true;
        for (int j = 0; j < 4; ++j)
            if (j != i && !(D[i] > D[j])) deepest = false;
        if (deepest) return D[i];
    }
    return D[0];
}

Trial evaluate_trial(const AnalysisInput& in, float dm, float x) {
    Trial t;
    t.x = x;
    t.xsud = single(divide(x, dm));
    if (t.xsud < in.bestxsud) {
        t.epsclsz = single(divide(10.0 / 1000 * x, single(dm - x)) * 1000);
        if (t.epsclsz > 3.5f) t.epsclsz = 3.5f;
    } else {
        t.epsclsz = 3.5f;
    }
    const float top_strain = single(t.epsclsz / 1000.0);
    for (int i = 0; i < 4; ++i) {
        const float lever = single(in.D[i] - x);
        const double strain = t.xsud > in.bestxsud ? divide(lever * 0.0035, x)
                                                   : divide(single(static_cast<double>(lever) * top_strain), x);
        t.eps[i] = single(std::fabs(strain));
        t.sigma[i] = t.eps[i] >= in.epsyd ? in.fsd : single(static_cast<double>(t.eps[i]) * in.modelasticoacc);
        t.force[i] = single(static_cast<double>(t.sigma[i]) * in.a[i]);
        if (in.D[i] > x) t.force[i] = -t.force[i];
    }
    return t;
}

double concrete_force(const AnalysisInput& in, const Trial& trial, double strip) {
    const double x = trial.x;
    if (!(strip > 0) || x + strip == x) throw ArithmeticFault("strip height");
    const double top = trial.epsclsz, fcd = in.fcd, h = in.h, b = in.b, b2 = in.b2;
    const double half = strip / 2;
    double force = 0;
    for (double y = 0; y <= x; y += strip) {
        const double width = y <= h ? b : b2;
        const double e = (x - y - half) * top / x;
        const double stress = e >= 2 ? fcd : fcd * (e * 1000 / 1000) * (1 - e * 250 / 1000);
        force += stress * width * strip;
    }
    return finite(force);
}

std::array<double, 4> rounded_steel(const Trial& trial) {
    std::array<double, 4> steel{};
    for (int i = 0; i < 4; ++i) steel[i] = round_to(trial.force[i], 2);
    return steel;
}

double rounded_sum(double concrete, const std::array<double, 4>& steel) {
    double sum = round_to(concrete, 2);
    for (const double term : steel) sum += term;
    return std::nearbyint(finite(sum));
}

double rounded_sum(double concrete, const Trial& trial) { return rounded_sum(concrete, rounded_steel(trial)); }

double rounded_force_sum(const AnalysisInput& in, const Trial& trial, double strip) {
    return rounded_sum(concrete_force(in, trial, strip), trial);
}

SearchOutcome find_neutral_axis(const AnalysisInput& in, double strip, float tolerance) {
    if (!(strip > 0)) throw ArithmeticFault("strip height");
    Tolerance T(tolerance);
    const float dm = effective_depth(in.D);
    // Each trial's rounded force sum is known to lie in [low, high]; low == high once it is
    // known exactly. The bounds come from the strip table's running sums, and the strips
    // are integrated one by one only for a trial whose bounds straddle the tolerance.
    struct SumBounds {
        double low, high;
    };
    constexpr double unknown = std::numeric_limits<double>::quiet_NaN();
    std::vector<SumBounds> sums(1, {unknown, unknown});
    StripTable strips(strip);
    const auto trial_at = [&](std::size_t j) { return evaluate_trial(in, dm, static_cast<float>(j) + 0.5f); };
    const auto bounds_of = [&](std::size_t j) -> SumBounds& {
        SumBounds& sum = sums[j];
        if (!std::isnan(sum.low)) return sum;
        const Trial trial = trial_at(j);
        if (const auto force = strips.concrete_force(in, trial)) {
            const auto steel = rounded_steel(trial);
            sum = {rounded_sum(force->low, steel), rounded_sum(force->high, steel)};
        } else {
            const double exact = rounded_force_sum(in, trial, strip);
            sum = {exact, exact};
        }
        return sum;
    };
    // Whether the trial's sum lies strictly within the tolerance. Rounding is monotone,
    // so bounds that agree decide it.
    const auto accepts = [&](std::size_t j) {
        SumBounds& sum = bounds_of(j);
        const bool low_in = T.accepts(sum.low), high_in = T.accepts(sum.high);
        if (low_in && high_in) return true;
        const double limit = T.value();
        if (sum.high <= -limit || sum.low >= limit) return false;
        if (sum.low != sum.high) {
            const double exact = rounded_force_sum(in, trial_at(j), strip);
            sum = {exact, exact};
        }
        return T.accepts(sum.low);
    };

    // The first sweep runs while the effective depth is still 0: the single trial 0.5.
    T.grow();
    if (accepts(0)) return {0.5f, dm};
    // Later sweeps take trials while the counter 0, 1, 2, ... stays within d.
    if (!(dm >= 0)) throw ArithmeticFault("a sweep without trials never ends");
    if (dm > deepest_swept_depth) throw ArithmeticFault("effective depth beyond the sweep's reach");
    const auto trials = static_cast<std::size_t>(std::floor(dm)) + 1;
    sums.resize(trials, {unknown, unknown});
    for (std::size_t j = 0; j < trials; ++j) {
        T.grow();
        if (accepts(j)) return {static_cast<float>(j) + 0.5f, dm};
    }
    // Every sum is bounded now: replay the sweeps, skipping the trials that come while T
    // is still too small to accept any sum.
    double smallest = std::numeric_limits<double>::infinity();
    for (const SumBounds& sum : sums) {
        const bool holds_zero = sum.low <= 0 && 0 <= sum.high;
        smallest = std::min(smallest, holds_zero ? 0 : std::min(std::fabs(sum.low), std::fabs(sum.high)));
    }
    for (std::size_t j = T.grow_while_at_most(smallest) % trials;; j = (j + 1) % trials) {
        T.grow();
        if (accepts(j)) return {static_cast<float>(j) + 0.5f, dm};
    }
}

}  // namespace norvexa
