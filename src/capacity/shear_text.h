#pragma once

#include <string>
#include <vector>

#include "capacity/capacity.h"
#include "capacity/combination_shear.h"
#include "capacity/detailing.h"

namespace norvexa::capacity {

inline constexpr int shear_column_count = 6;

// The window shows Greek letters and signs; report files hold Windows-1252 only.
enum class Script { unicode, latin };

// The shear columns of the table and the reports under a code: VRd,c, VRsd, VRcd, ctgθ,
// VRd and the verdict under the NTC 2018; Vrd1, Vwd, Vrd2, smax, Vrd3 and the verdict
// under the D.M. 9/1/96.
std::vector<std::string> shear_titles(Code code, Script script = Script::unicode);
std::vector<std::string> shear_tips(Code code);
// A row's shear in those columns: kN, ctgθ plain and smax in cm, with the decimal comma.
std::vector<std::string> shear_cells(const CombinationShear& shear);

// One detailing rule as a line: "rule: value unit ≥ limit unit  ✔", in a report
// "rule: value unit >= limit unit  OK" or "...  NON RISPETTATA".
std::string detailing_text(const DetailingCheck& check, Script script = Script::unicode);

}  // namespace norvexa::capacity
