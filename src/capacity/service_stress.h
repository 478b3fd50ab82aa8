#pragma once

#include <optional>
#include <vector>

#include "capacity/capacity.h"

namespace norvexa::capacity {

// The linear-elastic section in service: concrete without tensile strength, steel
// homogenised with n, the bars not displacing concrete (n · As in compression too).
struct ServiceStress {
    enum class State { cracked, uncracked, stretched };  // stretched: the steel alone carries N
    State state = State::cracked;
    bool top_compressed = true;    // which edge is the compressed one (the least stretched one
                                   // when the section is whole stretched)
    double x = 0;                  // depth of the neutral axis from the compressed edge, mm; the
                                   // height when uncracked, 0 when stretched
    double sigma_c = 0;            // the most compressed fibre, N/mm², compression positive
    std::vector<double> sigma_s;   // each layer, N/mm², compression positive
    double uncracked_tension = 0;  // the uncracked homogenised section's largest tensile
                                   // stress, N/mm², positive; 0 when none is stretched
};

// The stresses under N (N, compression positive) and M (N·mm about the gross centroid,
// positive when the bottom is stretched). None when the section cannot carry them: no
// steel for a tension, or a single layer under a moment it cannot balance.
std::optional<ServiceStress> service_stress(const Section& section, double n, double N, double M);

// The layer with steel under the lowest stress: the most stretched, or the least compressed.
std::size_t most_stretched_layer(const Section& section, const ServiceStress& stress);

}  // namespace norvexa::capacity
