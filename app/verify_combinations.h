#pragma once

#include <string>
#include <variant>
#include <vector>

#include "capacity/capacity.h"
#include "capacity/verification.h"

namespace norvexa {

// The combinations of a CSV file given to --combinazioni, or the message that refuses it:
// the file that cannot be read, or the first line that is no combination.
std::variant<std::vector<capacity::Combination>, std::string> read_combinations_file(const std::string& path);

// The --json object's members for the combinations with their shear or their service
// checks, the detailing rules and the domain, in kN, kNm, cm and ‰ (stresses N/mm², crack
// widths mm): "combinations": [...], "detailing": [...],
// "domain": {...}.
std::string combinations_json(const capacity::CombinationSet& combinations, const capacity::Verification& verification);

// The domain as --dominio writes it: one "N;M" line a point, kN and kNm, decimal comma.
std::string domain_text(const capacity::Verification& verification);

}  // namespace norvexa
