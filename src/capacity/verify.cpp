#include "capacity/capacity.h"

#include <algorithm>
#include <cmath>

namespace norvexa::capacity {

CombinationResult verify(const Section& section, const Materials& materials, const Combination& combination) {
    const double NEd = combination.NEd * 1e3, MEd = combination.MEd * 1e6;
    const Sign sign = MEd < 0 ? Sign::hogging : Sign::sagging;
    CombinationResult result;
    std::optional<Capacity> capacity = capacity_at(section, materials, NEd, sign);
    // Near pure compression an unsymmetric section may resist only a moment of the other
    // sign: then not even a zero moment of this sign lies inside the domain.
    const bool reaches_sign = capacity && (sign == Sign::sagging ? capacity->MRd > 0 : capacity->MRd < 0);
    if (!reaches_sign) {
        result.message = "fuori dominio";
        return result;
    }
    result.ratio = std::fabs(MEd) / std::fabs(capacity->MRd);
    result.verified = result.ratio <= 1;
    result.capacity = std::move(capacity);
    return result;
}

std::size_t most_stretched_layer(const Capacity& capacity) {
    return static_cast<std::size_t>(std::min_element(capacity.eps_s.begin(), capacity.eps_s.end()) -
                                    capacity.eps_s.begin());
}

double most_stretched_strain(const Capacity& capacity) { return capacity.eps_s[most_stretched_layer(capacity)]; }

}  // namespace norvexa::capacity
