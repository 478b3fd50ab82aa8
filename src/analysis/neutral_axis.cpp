#include "analysis/neutral_axis.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

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

double rounded_force_sum(const AnalysisInput& in, const Trial& trial, double strip) {
    double sum = round_to(concrete_force(in, trial, strip), 2);
    for (const float f : trial.force) sum += round_to(f, 2);
    return std::nearbyint(finite(sum));
}

SearchOutcome find_neutral_axis(const AnalysisInput& in, double strip, float tolerance) {
    if (!(strip > 0)) throw ArithmeticFault("strip height");
    Tolerance T(tolerance);
    const float dm = effective_depth(in.D);
    constexpr double unknown = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> sums(1, unknown);
    auto sum_of = [&](std::size_t j) {
        if (std::isnan(sums[j])) {
            const float x = static_cast<float>(j) + 0.5f;
            sums[j] = rounded_force_sum(in, evaluate_trial(in, dm, x), strip);
        }
        return sums[j];
    };

    // The first sweep runs while the effective depth is still 0: the single trial 0.5.
    T.grow();
    if (T.accepts(sum_of(0))) return {0.5f, dm};
    // Later sweeps take trials while the counter 0, 1, 2, ... stays within d.
    if (!(dm >= 0)) throw ArithmeticFault("a sweep without trials never ends");
    const auto trials = static_cast<std::size_t>(std::floor(dm)) + 1;
    sums.resize(trials, unknown);
    for (std::size_t j = 0; j < trials; ++j) {
        T.grow();
        if (T.accepts(sum_of(j))) return {static_cast<float>(j) + 0.5f, dm};
    }
    // Every sum is known now: replay the sweeps on them, skipping the trials that come
    // while T is still too small to accept the smallest sum.
    double smallest = std::fabs(sums[0]);
    for (const double sum : sums) smallest = std::min(smallest, std::fabs(sum));
    for (std::size_t j = T.grow_while_at_most(smallest) % trials;; j = (j + 1) % trials) {
        T.grow();
        if (T.accepts(sums[j])) return {static_cast<float>(j) + 0.5f, dm};
    }
}

}  // namespace norvexa
