#pragma once

#include <string>
#include <vector>

#include "capacity/capacity.h"
#include "capacity/verification.h"

namespace norvexa {


// What the calculation report gains for the combinations, in its style: a rule, the
// heading with the code, the domain's limits, then one line per combination with NEd,
// MEd, MRd(NEd), the neutral axis, the strains, the utilisation and the verdict. The
// verification holds one result per combination.
std::vector<std::string> combination_report_lines(const capacity::CombinationSet& combinations,
                                                  const capacity::Verification& verification);

}  // namespace norvexa
