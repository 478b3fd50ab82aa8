#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "capacity/capacity.h"

namespace norvexa::capacity {
namespace {

Materiale concrete_with(const std::string& fck, const std::string& fcdstar = "13,28", const std::string& epscu = "3,5") {
    return {MaterialKind::concrete, "C 25-30", {"30", fck, "1,6", "15,63", "0,85", fcdstar, epscu, "0,28"}};
}
const Materiale b450c{MaterialKind::steel, "B450C", {"450", "1,15", "391,3", "210000", "1,86", "67,5"}};

TEST(DesignMaterials, TheOldCodeTakesTheMaterialsDesignValues) {
    const auto read = design_materials(Code::dm96, reference_material(MaterialKind::concrete),
                                       reference_material(MaterialKind::steel));
    ASSERT_TRUE(std::holds_alternative<Materials>(read)) << std::get<std::string>(read);
    const Materials& m = std::get<Materials>(read);
    EXPECT_DOUBLE_EQ(m.concrete.fcd, 13.28);
    EXPECT_DOUBLE_EQ(m.concrete.eps_c2, 0.002);
    EXPECT_DOUBLE_EQ(m.concrete.eps_cu, 0.0035);
    EXPECT_DOUBLE_EQ(m.concrete.n, 2);
    EXPECT_DOUBLE_EQ(m.steel.fyd, 373.9);
    EXPECT_DOUBLE_EQ(m.steel.Es, 200000);
    EXPECT_DOUBLE_EQ(m.steel.eps_ud, 0.010);
}

// NTC 2018 § 4.1.2.1.2 and § 4.1.2.1.1.3, worked by hand; EC2's table 3.1 rounds the
// fck 70 values to 2,4 ‰, 2,7 ‰ and 1,45.
TEST(DesignMaterials, TheNewCodeDerivesTheLawsFromTheCharacteristicStrengths) {
    struct Case {
        const char* fck;
        double fcd, eps_c2, eps_cu, n;
    };
    const std::vector<Case> cases = {
        {"25", 14.1667, 0.0020, 0.0035, 2},
        {"50", 28.3333, 0.0020, 0.0035, 2},
        {"70", 39.6667, 0.00241588, 0.002656, 1.43744},
        {"90", 51.0, 0.0026, 0.0026, 1.4},  // εc2 2,6005 ‰ by its formula, beyond εcu
    };
    for (const Case& c : cases) {
        const auto read = design_materials(Code::ntc2018, concrete_with(c.fck), b450c);
        ASSERT_TRUE(std::holds_alternative<Materials>(read)) << std::get<std::string>(read);
        const Materials& m = std::get<Materials>(read);
        EXPECT_NEAR(m.concrete.fcd, c.fcd, 1e-4) << c.fck;
        EXPECT_NEAR(m.concrete.eps_c2, c.eps_c2, 1e-8) << c.fck;
        EXPECT_NEAR(m.concrete.eps_cu, c.eps_cu, 1e-9) << c.fck;
        EXPECT_NEAR(m.concrete.n, c.n, 1e-5) << c.fck;
        EXPECT_NEAR(m.steel.fyd, 391.3043, 1e-4);
        EXPECT_DOUBLE_EQ(m.steel.Es, 210000);
        EXPECT_DOUBLE_EQ(m.steel.eps_ud, 0.0675);
    }
}

TEST(DesignMaterials, RefusesAMaterialLackingAValueNamingBoth) {
    const Materiale feb44k = reference_material(MaterialKind::steel);
    const auto steel_with = [&](int field, const std::string& text) {
        Materiale steel = feb44k;
        steel.fields[field] = text;
        return steel;
    };
    Materiale short_concrete = concrete_with("25");
    short_concrete.fields.resize(5);
    struct Case {
        Code code;
        Materiale concrete, steel;
        const char* message;
    };
    const std::vector<Case> cases = {
        {Code::dm96, concrete_with("25", ""), feb44k, "Il calcestruzzo C 25-30 non ha un valore valido di fcdstar"},
        {Code::dm96, concrete_with("25", "0"), feb44k, "Il calcestruzzo C 25-30 non ha un valore valido di fcdstar"},
        {Code::dm96, concrete_with("25", "13,28", "tre"), feb44k,
         "Il calcestruzzo C 25-30 non ha un valore valido di epscu"},
        {Code::dm96, concrete_with("25", "13,28", "1,9"), feb44k,
         "Il calcestruzzo C 25-30 non ha un valore valido di epscu"},
        {Code::dm96, short_concrete, feb44k, "Il calcestruzzo C 25-30 non ha un valore valido di fcdstar"},
        {Code::ntc2018, concrete_with(""), b450c, "Il calcestruzzo C 25-30 non ha un valore valido di fck"},
        {Code::ntc2018, concrete_with("-25"), b450c, "Il calcestruzzo C 25-30 non ha un valore valido di fck"},
        {Code::ntc2018, concrete_with("90,5"), b450c,
         "Il calcestruzzo C 25-30 ha fck maggiore di 90 N/mm², oltre il campo delle NTC 2018"},
        {Code::dm96, concrete_with("25"), steel_with(2, ""), "L'acciaio Feb 44 K non ha un valore valido di fyd"},
        {Code::ntc2018, concrete_with("25"), steel_with(0, "0"), "L'acciaio Feb 44 K non ha un valore valido di fyk"},
        {Code::dm96, concrete_with("25"), steel_with(3, "duecentomila"),
         "L'acciaio Feb 44 K non ha un valore valido di Es"},
        {Code::ntc2018, concrete_with("25"), steel_with(5, ""), "L'acciaio Feb 44 K non ha un valore valido di epssu"},
        // Broken before it yields at 373,9 / 200000 = 1,87 ‰.
        {Code::dm96, concrete_with("25"), steel_with(5, "1,8"), "L'acciaio Feb 44 K non ha un valore valido di epssu"},
    };
    for (const Case& c : cases) {
        const auto read = design_materials(c.code, c.concrete, c.steel);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.message;
        EXPECT_EQ(std::get<std::string>(read), c.message);
    }
}

}  // namespace
}  // namespace norvexa::capacity
