#pragma once

#include <optional>
#include <string>
#include <vector>

#include "capacity/capacity.h"
#include "capacity/ntc_shear.h"

namespace norvexa::capacity {

// One detailing rule of a beam: what the section has against the rule's limit.
struct DetailingCheck {
    std::string rule;
    std::optional<double> value;  // none when there are no stirrups to measure
    double limit = 0;
    std::string unit;             // of both: "cm²", "mm²/m", "/m" or "cm"
    bool at_least = true;         // the value must reach the limit, or stay within it
    bool ok = false;
};

// The mean tensile strength, N/mm², of a concrete of that fck.
double fctm(double fck);

// The rules of a beam under the NTC 2018: the least stretched steel for each moment sign
// that occurs (the layers below the centroid stretched by a sagging moment, those above
// by a hogging one), the most steel on each side, and the least stirrups; fck and fyk in
// N/mm².
std::vector<DetailingCheck> detailing(const Section& section, double fck, double fyk,
                                      const std::optional<Stirrups>& stirrups, bool sagging, bool hogging);

}  // namespace norvexa::capacity
