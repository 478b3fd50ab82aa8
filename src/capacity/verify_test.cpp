#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "capacity/capacity.h"
#include "capacity_examples.h"

namespace norvexa::capacity {
namespace {

using namespace examples;

TEST(Verify, JudgesEachCombinationInKilonewtonsOnTheSideItsMomentStretches) {
    const double N_max = NRd_max(doubly_reinforced, dm96_c25) / 1e3;  // kN
    const double sagging = capacity_at(doubly_reinforced, dm96_c25, 0, Sign::sagging)->MRd / 1e6;
    const double hogging = capacity_at(doubly_reinforced, dm96_c25, 0, Sign::hogging)->MRd / 1e6;
    ASSERT_GT(sagging, -2 * hogging);  // more than twice the top steel below
    struct Case {
        const Section* section;
        Combination combination;
        bool verified;
        double ratio;
        const char* message;
    };
    const std::vector<Case> cases = {
        {&doubly_reinforced, {"1", 0, 0.9 * sagging, {}}, true, 0.9, ""},
        {&doubly_reinforced, {"2", 0, 1.01 * sagging, {}}, false, 1.01, ""},
        {&doubly_reinforced, {"3", 0, 0.9 * sagging, 50}, true, 0.9, ""},
        // Hogging against the top steel, which the sagging capacity would pass.
        {&doubly_reinforced, {"4", 0, 1.1 * hogging, {}}, false, 1.1, ""},
        {&doubly_reinforced, {"5", 0, 0.5 * hogging, {}}, true, 0.5, ""},
        {&doubly_reinforced, {"6", 0, 0, {}}, true, 0, ""},
        {&doubly_reinforced, {"7", N_max + 0.001, 0, {}}, false, 0, "fuori dominio"},
        {&doubly_reinforced, {"8", -(402 + 942) * 0.3739 - 0.001, 0, {}}, false, 0, "fuori dominio"},
        // Next to pure compression the tee's steel, most of it low, leaves only hogging
        // moments: not even a zero moment is inside.
        {&tee, {"9", 0.999 * NRd_max(tee, dm96_c25) / 1e3, 0, {}}, false, 0, "fuori dominio"},
        {&tee, {"10", 0.999 * NRd_max(tee, dm96_c25) / 1e3, -1, {}}, true, -1, ""},
    };
    for (const Case& c : cases) {
        const CombinationResult r = verify(*c.section, dm96_c25, c.combination);
        EXPECT_EQ(r.verified, c.verified) << c.combination.name;
        EXPECT_EQ(r.message, c.message) << c.combination.name;
        EXPECT_EQ(r.capacity.has_value(), r.message.empty()) << c.combination.name;
        if (c.ratio >= 0) {
            EXPECT_NEAR(r.ratio, c.ratio, 1e-6) << c.combination.name;
        }
    }
}

}  // namespace
}  // namespace norvexa::capacity
