#include "analysis/bending_result.h"

#include "analysis/form_numbers.h"
#include "common/numbers.h"

namespace norvexa {
namespace {

// A value as its caption shows it: what to_text's 15 significant digits read back as.
double as_shown(double value) { return double_of(to_text(value)); }

}  // namespace

bool BendingResult::holds() const { return as_shown(round_to(mrd, 1)) > as_shown(msd); }

}  // namespace norvexa
