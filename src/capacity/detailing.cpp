#include "capacity/detailing.h"

#include <algorithm>
#include <cmath>

namespace norvexa::capacity {
namespace {

constexpr double mm2_per_cm2 = 100;

// The steel and the depths of one side of the section: the bottom (stretched by a
// sagging moment) or the top.
struct Side {
    double area = 0;
    double d = 0;   // depth of its outermost layer from the opposite edge
    double bt = 0;  // width of the edge it stretches
};

Side side(const Section& section, bool bottom) {
    const double centroid = section.centroid(), h = section.height();
    Side s;
    s.bt = bottom ? section.bands.back().width : section.bands.front().width;
    for (const Layer& layer : section.layers) {
        if ((layer.depth > centroid) != bottom) continue;
        s.area += layer.area;
        s.d = std::max(s.d, bottom ? layer.depth : h - layer.depth);
    }
    return s;
}

DetailingCheck at_least(std::string rule, std::optional<double> value, double limit, std::string unit) {
    const bool ok = value && *value >= limit;
    return {std::move(rule), value, limit, std::move(unit), true, ok};
}

DetailingCheck at_most(std::string rule, std::optional<double> value, double limit, std::string unit) {
    const bool ok = value && *value <= limit;
    return {std::move(rule), value, limit, std::move(unit), false, ok};
}

}  // namespace

double fctm(double fck) {
    return fck <= 50 ? 0.30 * std::pow(fck, 2.0 / 3) : 2.12 * std::log(1 + (fck + 8) / 10);
}

std::vector<DetailingCheck> detailing(const Section& section, double fck, double fyk,
                                      const std::optional<Stirrups>& stirrups, bool sagging, bool hogging) {
    Side bottom = side(section, true), top = side(section, false);
    // A side without bars would have them as far from its edge as the other side's.
    if (bottom.area == 0) bottom.d = top.d;
    if (top.area == 0) top.d = bottom.d;
    const double largest = 0.04 * section.area() / mm2_per_cm2;
    std::vector<DetailingCheck> checks;
    const auto least = [&](const Side& s, const char* where) {
        const double limit = std::max(0.26 * fctm(fck) / fyk * s.bt * s.d, 0.0013 * s.bt * s.d);
        checks.push_back(at_least(std::string("Armatura tesa minima (") + where + ")", s.area / mm2_per_cm2,
                                  limit / mm2_per_cm2, "cm²"));
    };
    if (sagging) least(bottom, "inferiore");
    if (hogging) least(top, "superiore");
    checks.push_back(at_most("Armatura massima inferiore", bottom.area / mm2_per_cm2, largest, "cm²"));
    checks.push_back(at_most("Armatura massima superiore", top.area / mm2_per_cm2, largest, "cm²"));

    const double bw = section.web_width();
    // The spacing counts against the shallower effective depth of the signs that occur.
    const double d = sagging && hogging ? std::min(bottom.d, top.d) : hogging ? top.d : bottom.d;
    std::optional<double> per_metre, count, spacing;
    if (stirrups) {
        per_metre = stirrups->asw * 1000 / stirrups->spacing;
        count = 1000 / stirrups->spacing;
        spacing = stirrups->spacing / mm_per_cm;
    }
    checks.push_back(at_least("Staffe: area minima", per_metre, 1.5 * bw, "mm²/m"));
    checks.push_back(at_least("Staffe: numero minimo", count, 3, "/m"));
    checks.push_back(at_most("Staffe: passo massimo", spacing, 0.8 * d / mm_per_cm, "cm"));
    return checks;
}

}  // namespace norvexa::capacity
