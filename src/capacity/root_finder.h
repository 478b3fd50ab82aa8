#pragma once

#include <cmath>
#include <limits>
#include <utility>

namespace norvexa::capacity {

// Brent's method: a root of f in [a, b], where fa = f(a) and fb = f(b) do not have the
// same sign. Returns the argument where |f| <= tolerance, or the best one once the
// bracket can shrink no further.
template <typename F>
double find_root(F f, double a, double b, double fa, double fb, double tolerance) {
    if (std::fabs(fa) <= tolerance) return a;
    if (std::fabs(fb) <= tolerance) return b;
    if (std::fabs(fa) < std::fabs(fb)) {
        std::swap(a, b);
        std::swap(fa, fb);
    }
    double c = a, fc = fa, d = a;
    bool bisected = true;
    for (int iteration = 0; iteration < 200; ++iteration) {
        double s;
        if (fa != fc && fb != fc)
            s = a * fb * fc / ((fa - fb) * (fa - fc)) + b * fa * fc / ((fb - fa) * (fb - fc)) +
                c * fa * fb / ((fc - fa) * (fc - fb));
        else
            s = b - fb * (b - a) / (fb - fa);
        const double least = 4 * std::numeric_limits<double>::epsilon() * std::fabs(b);
        const double quarter = (3 * a + b) / 4;
        const bool outside = !((s > quarter && s < b) || (s < quarter && s > b));
        const double last_step = bisected ? std::fabs(b - c) : std::fabs(c - d);
        if (outside || std::fabs(s - b) >= last_step / 2 || last_step < least) {
            s = (a + b) / 2;
            bisected = true;
        } else {
            bisected = false;
        }
        const double fs = f(s);
        d = c;
        c = b;
        fc = fb;
        if ((fa < 0) != (fs < 0)) {
            b = s;
            fb = fs;
        } else {
            a = s;
            fa = fs;
        }
        if (std::fabs(fa) < std::fabs(fb)) {
            std::swap(a, b);
            std::swap(fa, fb);
        }
        if (std::fabs(fb) <= tolerance || std::fabs(b - a) <= least) return b;
    }
    return b;
}

}  // namespace norvexa::capacity
