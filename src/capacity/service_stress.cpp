#include "capacity/service_stress.h"

#include <algorithm>
#include <cmath>

#include "capacity/root_finder.h"

namespace norvexa::capacity {
namespace {

using State = ServiceStress::State;

// The same section seen from its bottom edge: the compressed edge on top.
Section mirrored(const Section& section) {
    const double h = section.height();
    Section m;
    for (auto band = section.bands.rbegin(); band != section.bands.rend(); ++band)
        m.bands.push_back({h - band->bottom, h - band->top, band->width});
    for (const Layer& layer : section.layers) m.layers.push_back({layer.area, h - layer.depth});
    return m;
}

// A linear stress field s(y) = a + b · (y − y0), the stress concrete would have at depth y.
struct Field {
    double a, b, y0;
    double at(double y) const { return a + b * (y - y0); }
};

// The field of an area A with its centroid y0 and inertia I under N and M about yc.
std::optional<Field> elastic(double A, double y0, double I, double yc, double N, double M) {
    const double M0 = M + N * (y0 - yc);  // the moment about the area's own centroid
    if (A <= 0) return std::nullopt;
    if (I <= 0) {
        if (std::fabs(M0) > 1e-9 * (std::fabs(M) + std::fabs(N) * 1e3 + 1)) return std::nullopt;
        return Field{N / A, 0, y0};
    }
    return Field{N / A, -M0 / I, y0};
}

struct Homogenised {
    double A = 0, first = 0, second = 0;  // area, its first and second moments about the top
    void add(double area, double centroid, double own_inertia) {
        A += area;
        first += area * centroid;
        second += own_inertia + area * centroid * centroid;
    }
    double centroid() const { return first / A; }
    double inertia() const { return second - A * centroid() * centroid(); }
};

// The first moments about the neutral axis at depth x of the compressed concrete and the
// homogenised steel: S for the force, T for the moment about yc (compression on top).
struct Moments {
    double S, T;
};
Moments moments(const Section& s, double n, double yc, double x) {
    Moments m{0, 0};
    for (const Band& band : s.bands) {
        const double top = band.top, bottom = std::min(band.bottom, x);
        if (bottom <= top) continue;
        const auto force = [&](double y) { return x * y - y * y / 2; };
        const auto moment = [&](double y) { return x * yc * y - (x + yc) * y * y / 2 + y * y * y / 3; };
        m.S += band.width * (force(bottom) - force(top));
        m.T += band.width * (moment(bottom) - moment(top));
    }
    for (const Layer& layer : s.layers) {
        m.S += n * layer.area * (x - layer.depth);
        m.T += n * layer.area * (x - layer.depth) * (yc - layer.depth);
    }
    return m;
}

ServiceStress from_field(const Section& s, double n, const Field& field, State state, double x) {
    ServiceStress r;
    r.state = state;
    r.x = x;
    r.sigma_c = state == State::stretched ? 0 : std::max(field.at(0), field.at(s.height()));
    for (const Layer& layer : s.layers) r.sigma_s.push_back(n * field.at(layer.depth));
    return r;
}

// Cracked with the top compressed: the neutral axis where N · T(x) = M · S(x) and the top
// stress N · x / S = M · x / T comes out compressive.
std::optional<ServiceStress> cracked(const Section& s, double n, double N, double M) {
    const double h = s.height(), yc = s.centroid();
    const auto f = [&](double x) {
        const Moments m = moments(s, n, yc, x);
        return N * m.T - M * m.S;
    };
    const double scale = std::fabs(N) * h * h * h + std::fabs(M) * h * h + 1;
    constexpr int steps = 64;
    double a = h * 1e-9, fa = f(a);
    for (int i = 1; i <= steps; ++i) {
        const double b = h * i / steps, fb = f(b);
        if ((fa <= 0) != (fb <= 0)) {
            const double x = find_root(f, a, b, fa, fb, 1e-13 * scale);
            const Moments m = moments(s, n, yc, x);
            const double top = std::fabs(m.S) > std::fabs(m.T) / h ? N * x / m.S : M * x / m.T;
            if (top > 0) return from_field(s, n, Field{top, -top / x, 0}, State::cracked, x);
        }
        a = b;
        fa = fb;
    }
    return std::nullopt;
}

}  // namespace

std::optional<ServiceStress> service_stress(const Section& section, double n, double N, double M) {
    const double h = section.height(), yc = section.centroid();
    Homogenised whole, steel;
    for (const Band& band : section.bands) {
        const double depth = band.bottom - band.top;
        whole.add(band.width * depth, (band.top + band.bottom) / 2, band.width * depth * depth * depth / 12);
    }
    for (const Layer& layer : section.layers) {
        whole.add(n * layer.area, layer.depth, 0);
        steel.add(n * layer.area, layer.depth, 0);
    }
    const auto uncracked = elastic(whole.A, whole.centroid(), whole.inertia(), yc, N, M);
    const double tension = std::max(0.0, -std::min(uncracked->at(0), uncracked->at(h)));
    bool top = uncracked->at(0) >= uncracked->at(h);
    std::optional<ServiceStress> result;
    if (tension == 0) {
        result = from_field(section, n, *uncracked, State::uncracked, h);
    } else if (const auto alone = elastic(steel.A, steel.centroid(), steel.inertia(), yc, N, M);
               steel.A > 0 && alone && alone->at(0) <= 0 && alone->at(h) <= 0) {
        // The steel alone has its own centroid: its field says which edge is the least stretched.
        top = alone->at(0) >= alone->at(h);
        result = from_field(section, n, *alone, State::stretched, 0);
    } else {
        result = top ? cracked(section, n, N, M) : cracked(mirrored(section), n, N, -M);
    }
    if (result) {
        result->top_compressed = top;
        result->uncracked_tension = tension;
    }
    return result;
}

std::size_t most_stretched_layer(const Section& section, const ServiceStress& stress) {
    std::size_t most = 0;
    bool found = false;
    for (std::size_t i = 0; i < section.layers.size(); ++i)
        if (section.layers[i].area > 0 && (!found || stress.sigma_s[i] < stress.sigma_s[most])) {
            most = i;
            found = true;
        }
    return most;
}

}  // namespace norvexa::capacity
