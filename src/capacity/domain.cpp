#include "capacity/capacity.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "capacity/ultimate_planes.h"

namespace norvexa::capacity {
namespace {

struct Sample {
    double t;
    DomainPoint point;
};

constexpr int start_samples_per_region = 16;
constexpr std::size_t least_samples = 102;  // a sign's points, its two ends shared with the other sign
constexpr double most_turn = 2 * std::numbers::pi / 180;  // radians at a vertex
constexpr int refinements = 8;

class Branch {
  public:
    Branch(const Section& section, const Materials& materials, Sign sign)
        : section_(section), materials_(materials), planes_(section, materials, sign) {
        const int count = 3 * start_samples_per_region;
        for (int i = 0; i <= count; ++i) samples_.push_back(sample(UltimatePlanes::compression * i / count));
        drop_repeats();
    }

    double largest_moment() const {
        double m = 0;
        for (const Sample& s : samples_) m = std::max(m, std::fabs(s.point.M));
        return m;
    }

    // Halves the parameter steps next to every vertex where the polygon turns by more
    // than most_turn, then the longest steps until the branch has least_samples points;
    // lengths and angles are measured with N and M divided by their scales.
    void refine(double n_scale, double m_scale) {
        n_scale_ = n_scale;
        m_scale_ = m_scale;
        for (int pass = 0; pass < refinements; ++pass) {
            std::vector<bool> split(samples_.size() - 1, false);
            bool any = false;
            for (std::size_t i = 1; i + 1 < samples_.size(); ++i) {
                if (turn(i) <= most_turn) continue;
                split[i - 1] = split[i] = any = true;
            }
            if (!any) break;
            std::vector<Sample> refined{samples_.front()};
            for (std::size_t i = 0; i + 1 < samples_.size(); ++i) {
                if (split[i]) refined.push_back(sample((samples_[i].t + samples_[i + 1].t) / 2));
                refined.push_back(samples_[i + 1]);
            }
            samples_ = std::move(refined);
            drop_repeats();
        }
        while (samples_.size() < least_samples) {
            std::size_t longest = 0;
            for (std::size_t i = 1; i + 1 < samples_.size(); ++i)
                if (length(i) > length(longest)) longest = i;
            samples_.insert(samples_.begin() + static_cast<std::ptrdiff_t>(longest) + 1,
                            sample((samples_[longest].t + samples_[longest + 1].t) / 2));
        }
    }

    const std::vector<Sample>& samples() const { return samples_; }

  private:
    // Planes with every layer yielded and no concrete compressed repeat one point; the
    // last of them is kept, next to the planes that move it.
    void drop_repeats() {
        std::vector<Sample> kept;
        for (std::size_t i = 0; i < samples_.size(); ++i) {
            const bool repeated = i + 1 < samples_.size() && samples_[i + 1].point.N == samples_[i].point.N &&
                                  samples_[i + 1].point.M == samples_[i].point.M;
            if (!repeated) kept.push_back(samples_[i]);
        }
        samples_ = std::move(kept);
    }
    Sample sample(double t) const {
        const Forces f = integrate(section_, materials_, planes_.at(t));
        return {t, {f.N, f.M}};
    }
    // The step from sample i to the next one, scaled.
    std::pair<double, double> step(std::size_t i) const {
        return {(samples_[i + 1].point.N - samples_[i].point.N) / n_scale_,
                (samples_[i + 1].point.M - samples_[i].point.M) / m_scale_};
    }
    double length(std::size_t i) const {
        const auto [dn, dm] = step(i);
        return std::hypot(dn, dm);
    }
    double turn(std::size_t i) const {
        const auto [n1, m1] = step(i - 1);
        const auto [n2, m2] = step(i);
        return std::fabs(std::atan2(n1 * m2 - m1 * n2, n1 * n2 + m1 * m2));
    }

    const Section& section_;
    const Materials& materials_;
    UltimatePlanes planes_;
    std::vector<Sample> samples_;
    double n_scale_ = 1, m_scale_ = 1;
};

}  // namespace

std::vector<DomainPoint> domain(const Section& section, const Materials& materials) {
    Branch sagging(section, materials, Sign::sagging), hogging(section, materials, Sign::hogging);
    const double n_scale = NRd_max(section, materials) - NRd_min(section, materials);
    const double m_scale = std::max({sagging.largest_moment(), hogging.largest_moment(), 1.0});
    sagging.refine(n_scale, m_scale);
    hogging.refine(n_scale, m_scale);
    // From pure tension up the sagging side to pure compression, then back down the
    // hogging side; both sides share the two ends, which are kept once.
    std::vector<DomainPoint> polygon;
    for (const Sample& s : sagging.samples()) polygon.push_back(s.point);
    const std::vector<Sample>& back = hogging.samples();
    for (std::size_t i = back.size() - 2; i > 0; --i) polygon.push_back(back[i].point);
    return polygon;
}

}  // namespace norvexa::capacity
