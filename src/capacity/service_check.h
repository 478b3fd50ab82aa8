#pragma once

#include <optional>
#include <string>
#include <vector>

#include "capacity/capacity.h"
#include "capacity/crack_width.h"
#include "capacity/service_stress.h"

namespace norvexa::capacity {

// Whether a typed service setting can be used: n from 1 to 100, kt above 0 up to 1, a bar
// diameter (mm) or a clear cover (cm) above 0 up to 100.
enum class ServiceSetting { n, kt, diameter, cover };
bool allowed_setting(ServiceSetting setting, std::optional<double> value);

// What the service checks hold a row of that kind to: σc and σs (N/mm²) under the
// characteristic and quasi-permanent rows, the crack width (mm) under the frequent and
// quasi-permanent ones. None where the kind has no such limit.
struct ServiceLimits {
    std::optional<double> sigma_c, sigma_s, wk;
};
ServiceLimits service_limits(Kind kind, Environment environment, double fck, double fyk);

// A bar layer as the form's bar list gives it: the largest diameter (mm) and the number of
// bars; a layer with a typed area has neither.
struct ListedBars {
    std::optional<double> diameter;
    int count = 0;
};

// What the service checks of every row take from the form and the settings.
struct ServiceInput {
    double fck = 0, fyk = 0, Es = 0;  // N/mm²
    ServiceSettings settings;
    std::vector<ListedBars> bars;     // one per layer of the section
};

// A service row's verification.
struct ServiceCheck {
    ServiceLimits limits;
    std::optional<ServiceStress> stress;  // none when the section cannot carry N and M
    double sigma_c = 0;   // the most compressed fibre, N/mm², compression positive
    double sigma_s = 0;   // the most stretched layer, N/mm², tension positive
    double formation = 0; // fctm / 1,2, against the uncracked section's largest tension
    bool cracked = false;
    std::optional<CrackWidth> crack;  // of a cracked row with a width limit
    std::string message;  // why the row could not be checked, or its width not found

    bool sigma_c_ok() const { return !limits.sigma_c || sigma_c <= *limits.sigma_c; }
    bool sigma_s_ok() const { return !limits.sigma_s || sigma_s <= *limits.sigma_s; }
    bool wk_ok() const { return !limits.wk || wk() <= *limits.wk; }
    double wk() const { return crack ? crack->wk : 0; }
    bool verified() const { return message.empty() && sigma_c_ok() && sigma_s_ok() && wk_ok(); }
};
ServiceCheck service_check(const Section& section, const ServiceInput& input, const Combination& combination);

}  // namespace norvexa::capacity
