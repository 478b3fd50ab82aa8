#pragma once

#include <string>
#include <vector>

#include "capacity/service_check.h"
#include "capacity/shear_text.h"

namespace norvexa::capacity {

inline constexpr int service_column_count = 7;

// The service columns of the table and the reports: σc, σs, x, the crack formation, wk,
// sr,max and the verdict.
std::vector<std::string> service_titles(Script script = Script::unicode);
std::vector<std::string> service_tips();
// A service row in those columns, each value beside its limit and verdict where it has one
// ("9,81 ≤ 15,00 ✔"), with the decimal comma.
std::vector<std::string> service_cells(const ServiceCheck& check, Script script = Script::unicode);

// A service row in a report: its name, kind and actions, then its checks in lines that fit
// a page.
std::vector<std::string> service_report_lines(const Combination& combination, const ServiceCheck& check);

}  // namespace norvexa::capacity
