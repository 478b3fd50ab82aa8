#pragma once

#include <string>
#include <vector>

#include "capacity/combinations_window.h"

namespace norvexa::capacity {

// The verification with axial force as lines of the calculation report, in its style:
// the code, the materials' design values and the section's axial limits of the last
// calculation, then every combination with its result and the governing one. Results that
// are not current put the notice first; before any calculation the rows stand alone.
std::vector<std::string> combinations_report_lines(const CombinationsWindow& window);

}  // namespace norvexa::capacity
