#include "capacity/service_check.h"

#include <gtest/gtest.h>

#include "capacity/detailing.h"
#include "capacity/service_text.h"
#include "capacity_examples.h"

namespace norvexa::capacity {
namespace {

// The worked example under C25/30 and B450C, three φ20 in its bottom layer.
ServiceInput input(Environment environment = Environment::ordinary) {
    ServiceInput in{25, 450, 200000, {}, {ListedBars{20, 3}}};
    in.settings.environment = environment;
    return in;
}

ServiceCheck check(Kind kind, double MEd, const ServiceInput& in = input()) {
    return service_check(examples::worked_example, in, Combination{"S", 0, MEd, std::nullopt, kind});
}

TEST(ServiceCheck, EachKindAndEnvironmentHasItsLimits) {
    using E = Environment;
    const struct {
        Kind kind;
        Environment environment;
        std::optional<double> sigma_c, sigma_s, wk;
    } cases[] = {
        {Kind::characteristic, E::ordinary, 15, 360, std::nullopt},
        {Kind::frequent, E::ordinary, std::nullopt, std::nullopt, 0.4},
        {Kind::quasi_permanent, E::ordinary, 11.25, std::nullopt, 0.3},
        {Kind::frequent, E::aggressive, std::nullopt, std::nullopt, 0.3},
        {Kind::quasi_permanent, E::aggressive, 11.25, std::nullopt, 0.2},
        {Kind::frequent, E::very_aggressive, std::nullopt, std::nullopt, 0.2},
        {Kind::quasi_permanent, E::very_aggressive, 11.25, std::nullopt, 0.2},
        {Kind::ultimate, E::ordinary, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const ServiceLimits limits = service_limits(c.kind, c.environment, 25, 450);
        EXPECT_EQ(limits.sigma_c, c.sigma_c);
        EXPECT_EQ(limits.sigma_s, c.sigma_s);
        EXPECT_EQ(limits.wk, c.wk);
    }
}

// The uncracked section's bottom fibre reaches fctm / 1,2 at M0: just below it the row is
// not cracked and has no width, just above it the width of its bars.
TEST(ServiceCheck, TheCrackFormsAtFctmOverOnePointTwo) {
    const double n = 15, As = 942, d = 460, A = 150000 + n * As, yh = (150000 * 250 + n * As * d) / A;
    const double I = 300 * 500.0 * 500 * 500 / 12 + 150000 * (yh - 250) * (yh - 250) + n * As * (d - yh) * (d - yh);
    const double M0 = fctm(25) / 1.2 * I / (500 - yh) / 1e6;
    const ServiceCheck below = check(Kind::frequent, M0 * 0.999), above = check(Kind::frequent, M0 * 1.001);
    EXPECT_FALSE(below.cracked);
    EXPECT_FALSE(below.crack);
    EXPECT_EQ(below.wk(), 0);
    EXPECT_TRUE(below.verified());
    EXPECT_TRUE(above.cracked);
    ASSERT_TRUE(above.crack);
    // The cover the depth leaves, 500 − 460 − 10, and three bars over 300 − 2 · 30 − 20.
    EXPECT_NEAR(above.crack->sr_max, close_crack_spacing({20, 30, 110}, above.crack->rho_eff, 0.5), 1e-9);
    EXPECT_GT(above.wk(), 0);
    EXPECT_EQ(above.sigma_s, -above.stress->sigma_s[0]);
}

// σc, σs and wk grow in proportion (wk affinely) with the moment of a cracked rectangle:
// the moment that meets each limit exactly, found from two rows, just passes and a
// thousandth more just fails.
TEST(ServiceCheck, EachLimitJustMetAndJustExceeded) {
    const struct {
        Kind kind;
        Environment environment;
        double (*value)(const ServiceCheck&);
        bool (*ok)(const ServiceCheck&);
        double (*limit)(const ServiceCheck&);
    } cases[] = {
        {Kind::characteristic, Environment::ordinary, [](const ServiceCheck& c) { return c.sigma_c; },
         [](const ServiceCheck& c) { return c.sigma_c_ok(); }, [](const ServiceCheck& c) { return *c.limits.sigma_c; }},
        {Kind::characteristic, Environment::ordinary, [](const ServiceCheck& c) { return c.sigma_s; },
         [](const ServiceCheck& c) { return c.sigma_s_ok(); }, [](const ServiceCheck& c) { return *c.limits.sigma_s; }},
        {Kind::quasi_permanent, Environment::ordinary, [](const ServiceCheck& c) { return c.sigma_c; },
         [](const ServiceCheck& c) { return c.sigma_c_ok(); }, [](const ServiceCheck& c) { return *c.limits.sigma_c; }},
        {Kind::frequent, Environment::ordinary, [](const ServiceCheck& c) { return c.wk(); },
         [](const ServiceCheck& c) { return c.wk_ok(); }, [](const ServiceCheck& c) { return *c.limits.wk; }},
        {Kind::quasi_permanent, Environment::very_aggressive, [](const ServiceCheck& c) { return c.wk(); },
         [](const ServiceCheck& c) { return c.wk_ok(); }, [](const ServiceCheck& c) { return *c.limits.wk; }},
    };
    for (const auto& c : cases) {
        const ServiceInput in = input(c.environment);
        const ServiceCheck a = check(c.kind, 150, in), b = check(c.kind, 160, in);
        const double limit = c.limit(a);
        const double M = 150 + (limit - c.value(a)) * 10 / (c.value(b) - c.value(a));
        const ServiceCheck met = check(c.kind, M * (1 - 1e-9), in), exceeded = check(c.kind, M * 1.001, in);
        EXPECT_NEAR(c.value(met), limit, 1e-6 * limit) << static_cast<int>(c.kind);
        EXPECT_TRUE(c.ok(met)) << static_cast<int>(c.kind);
        EXPECT_FALSE(c.ok(exceeded)) << static_cast<int>(c.kind);
        EXPECT_FALSE(exceeded.verified());
    }
}

// A cracked row with a width limit needs the stretched layer's diameter: typed when the
// layer has no bar list, the typed one and a typed cover taking over from the list.
TEST(ServiceCheck, TheDiameterOfTheStretchedLayerComesFromTheListOrIsTyped) {
    ServiceInput in = input();
    in.bars = {ListedBars{}};
    const ServiceCheck missing = check(Kind::quasi_permanent, 120, in);
    EXPECT_EQ(missing.message, "manca il diametro delle barre dello strato 1");
    EXPECT_FALSE(missing.verified());
    EXPECT_TRUE(check(Kind::characteristic, 120, in).message.empty());  // no width there

    in.settings.diameter[0] = 20;
    in.settings.cover[0] = 3;
    const ServiceCheck typed = check(Kind::quasi_permanent, 120, in), listed = check(Kind::quasi_permanent, 120);
    ASSERT_TRUE(typed.crack && listed.crack);
    EXPECT_NEAR(typed.wk(), listed.wk(), 1e-12);  // 942 mm² makes three φ20 at 30 mm
    in.settings.cover[0] = 4;
    EXPECT_GT(check(Kind::quasi_permanent, 120, in).wk(), typed.wk());

    // A layer without steel below the bars is never the stretched one.
    const Section empty_below{{{0, 500, 300}}, {{942, 460}, {0, 480}}};
    const ServiceCheck beside =
        service_check(empty_below, input(), Combination{"S", 0, 120, std::nullopt, Kind::quasi_permanent});
    ASSERT_TRUE(beside.crack);
    EXPECT_NEAR(beside.wk(), listed.wk(), 1e-12);
    EXPECT_EQ(beside.sigma_s, listed.sigma_s);
}

// Actions no section could bear give a message, never a figure that cannot be shown.
TEST(ServiceCheck, ActionsBeyondAnySectionAreNamedNotShown) {
    for (const auto& [N, M] : {std::pair{-1e300, 0.0}, {-1e250, 1e250}, {1e300, 1e300}, {-1e300, 5.0}}) {
        const ServiceCheck c = service_check(examples::worked_example, input(),
                                             Combination{"H", N, M, std::nullopt, Kind::quasi_permanent});
        EXPECT_FALSE(c.message.empty()) << N << " " << M;
        EXPECT_FALSE(c.verified());
        for (const std::string& cell : service_cells(c)) EXPECT_LT(cell.size(), 80u) << N << " " << M;
    }
}

}  // namespace
}  // namespace norvexa::capacity
