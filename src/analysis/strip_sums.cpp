#include "analysis/strip_sums.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>

#include "common/numbers.h"

namespace norvexa {
namespace {

constexpr long double unit = DBL_EPSILON / 2;         // a double's unit roundoff
constexpr long double long_unit = LDBL_EPSILON / 2;   // the running sums' unit roundoff
constexpr long double largest_safe = 1e290L;          // far from a double's overflow

// The sum of e - e²/4 over n strips whose strain is e_k = alpha - beta y_k, from the
// sums of y_k and y_k² over those strips.
long double parabola_sum(long double n, long double alpha, long double beta, long double s1, long double s2) {
    const long double e = n * alpha - beta * s1;
    const long double e2 = n * alpha * alpha - 2 * alpha * beta * s1 + beta * beta * s2;
    return e - e2 / 4;
}

}  // namespace

StripTable::StripTable(double strip) : strip_(strip), sum_{0.0L}, squares_{0.0L} {}

bool StripTable::cover(double x) {
    if (!(strip_ > 0)) return false;
    // The loop's own accumulation, y += s, repeated: the same doubles, edge by edge.
    double y = edge_.empty() ? 0 : edge_.back() + strip_;
    while (edge_.empty() || edge_.back() <= x) {
        if (edge_.size() >= most_strips || (!edge_.empty() && y == edge_.back())) return false;
        edge_.push_back(y);
        sum_.push_back(sum_.back() + y);
        squares_.push_back(squares_.back() + static_cast<long double>(y) * y);
        y += strip_;
    }
    return true;
}

std::size_t StripTable::count_where(std::size_t guess, const std::function<bool(double)>& holds) const {
    // The edges for which `holds` is true come first; start from the guess and step to
    // where that ends, which is a step or two away when the guess is close.
    std::size_t k = std::min(guess, edge_.size());
    while (k < edge_.size() && holds(edge_[k])) ++k;
    while (k > 0 && !holds(edge_[k - 1])) --k;
    return k;
}

std::size_t StripTable::edges_up_to(double limit) const {
    // y_k is k s but for the rounding of the running sum.
    const double guess = limit / strip_;
    const std::size_t start = guess > 0 ? static_cast<std::size_t>(std::min<double>(guess, edge_.size())) : 0;
    return count_where(start, [limit](double y) { return y <= limit; });
}

std::optional<StripTable::Bounds> StripTable::concrete_force(const AnalysisInput& in, const Trial& trial) {
    const double x = trial.x, top = trial.epsclsz, half = strip_ / 2;
    const double fcd = in.fcd, h = in.h, b = in.b, b2 = in.b2;
    for (const double value : {x, top, fcd, h, b, b2})
        if (!std::isfinite(value)) return std::nullopt;
    if (!(x > 0) || !(top > 0) || x + strip_ == x || !cover(x)) return std::nullopt;

    const std::size_t strips = edges_up_to(x);
    // The strain as the loop computes it; it falls as y grows, so the strips on the
    // plateau (strain 2 or more) come first, and the loop's own test finds where they end.
    const auto strain = [&](double y) { return (x - y - half) * top / x; };
    const double plateau_end = x - half - 2 * x / top;  // where the exact strain falls to 2
    const double plateau_guess = plateau_end > 0 ? plateau_end / strip_ + 1 : 0;
    const std::size_t plateau = std::min(
        strips, count_where(static_cast<std::size_t>(std::min<double>(plateau_guess, strips)),
                            [&](double y) { return y <= x && strain(y) >= 2; }));
    // The flange's strips are those whose upper edge is not below its lower edge.
    const std::size_t flange = std::min(edges_up_to(h), strips);

    const long double ld_x = x, ld_top = top, ld_half = half;
    const long double alpha = (ld_x - ld_half) * ld_top / ld_x, beta = ld_top / ld_x;
    const long double ld_s = strip_, ld_fcd = fcd;
    long double force = 0, widths = 0;
    auto add_range = [&](std::size_t from, std::size_t to, double width, bool on_plateau) {
        if (from >= to) return;
        const long double n = static_cast<long double>(to - from);
        widths += n * std::fabs(width);
        if (on_plateau) {
            force += ld_fcd * width * ld_s * n;
            return;
        }
        const long double s1 = sum_[to] - sum_[from], s2 = squares_[to] - squares_[from];
        force += ld_fcd * width * ld_s * parabola_sum(n, alpha, beta, s1, s2);
    };
    add_range(0, std::min(plateau, flange), b, true);
    add_range(flange, plateau, b2, true);
    add_range(plateau, std::max(plateau, flange), b, false);
    add_range(std::max(plateau, flange), strips, b2, false);

    // How far the loop's value can lie from the exact one. Every strip's strain lies in
    // [-s/2 top/x, top]; each term carries a few roundings of its strain and its stress,
    // the running sum one rounding per strip, and the closed form the roundings of the
    // running sums of the edges.
    const long double most_strain = std::max<long double>(2, ld_half * ld_top / ld_x) + ld_top;
    const long double term_size = ld_fcd * ld_s * (1 + most_strain + most_strain * most_strain / 4);
    const long double strain_error = 2 * unit * (ld_top * (3 + 2 * ld_half / ld_x) + most_strain);
    const long double per_strip = ld_fcd * ld_s *
                                  ((1 + most_strain / 2) * strain_error + 10 * unit * (1 + most_strain + most_strain * most_strain / 4));
    const long double n_all = static_cast<long double>(strips);
    const long double rounding = per_strip * widths + (n_all + 2) * unit * 1.01L * term_size * widths;
    const long double widest = std::max(std::fabs(b), std::fabs(b2));
    const long double closed_form =
        ld_fcd * ld_s * widest * (2 * n_all + 32) * long_unit *
        ((std::fabs(alpha) + alpha * alpha / 4) * n_all + (beta + std::fabs(alpha) * beta / 2) * sum_[strips] +
         beta * beta / 4 * squares_[strips]);
    const long double margin = 2 * (rounding + closed_form + unit * std::fabs(force)) + DBL_MIN;
    if (!(std::fabs(force) + margin < largest_safe) || !(term_size * widths < largest_safe)) return std::nullopt;
    // Rounded outward, so that the doubles still hold the interval.
    const double low = std::nextafter(static_cast<double>(force - margin), -HUGE_VAL);
    const double high = std::nextafter(static_cast<double>(force + margin), HUGE_VAL);
    return Bounds{low, high};
}

}  // namespace norvexa
