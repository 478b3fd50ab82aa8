#include "capacity/capacity.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "common/numbers.h"

namespace norvexa::capacity {
namespace {

// The positions of the values read here in the material files' field order.
enum SteelField { fyk = 0, fyd = 2, Es = 3, epssu = 5 };
enum ConcreteField { fck = 1, fcdstar = 5, epscu = 6 };
const char* const steel_names[] = {"fyk", "gammaS", "fyd", "Es", "epsyd", "epssu"};
const char* const concrete_names[] = {"Rck", "fck", "gammaC", "fcd", "alfa", "fcdstar", "epscu", "taurd"};

std::string invalid(const Materiale& material, int field) {
    const bool steel = material.kind == MaterialKind::steel;
    return (steel ? "L'acciaio " : "Il calcestruzzo ") + material.nome + " non ha un valore valido di " +
           (steel ? steel_names : concrete_names)[field];
}

// The positive value of a field; nullopt when it is missing, no number or not positive.
std::optional<double> positive(const Materiale& material, int field) {
    if (static_cast<std::size_t>(field) >= material.fields.size()) return std::nullopt;
    const std::optional<double> value = locale_double(material.fields[field]);
    if (value && *value > 0) return value;
    return std::nullopt;
}

constexpr double eps_c2_ordinary = 0.002;

// NTC 2018 § 4.1.2.1.2: the parabola-rectangle's strains and exponent for fck in N/mm².
ConcreteLaw ntc_concrete(double fck_value) {
    const double fcd = 0.85 * fck_value / 1.5;
    if (fck_value <= 50) return {fcd, eps_c2_ordinary, 0.0035, 2};
    const double reduction = std::pow((90 - fck_value) / 100, 4);
    const double eps_cu = 0.0026 + 0.035 * reduction;
    // At fck 90 the two formulas part by 0,0005 ‰ the wrong way; the parabola ends at εcu.
    const double eps_c2 = std::min(0.002 + 0.000085 * std::pow(fck_value - 50, 0.53), eps_cu);
    return {fcd, eps_c2, eps_cu, 1.4 + 23.4 * reduction};
}

}  // namespace

std::variant<Materials, std::string> design_materials(Code code, const Materiale& concrete, const Materiale& steel) {
    Materials m;
    if (code == Code::dm96) {
        const auto strength = positive(concrete, fcdstar), ultimate = positive(concrete, epscu);
        if (!strength) return invalid(concrete, fcdstar);
        // An ultimate strain short of the parabola's end would leave no ultimate plane.
        if (!ultimate || *ultimate / 1000 < eps_c2_ordinary) return invalid(concrete, epscu);
        m.concrete = {*strength, eps_c2_ordinary, *ultimate / 1000, 2};
    } else {
        const auto characteristic = positive(concrete, fck);
        if (!characteristic) return invalid(concrete, fck);
        if (*characteristic > 90)
            return "Il calcestruzzo " + concrete.nome + " ha fck maggiore di 90 N/mm², oltre il campo delle NTC 2018";
        m.concrete = ntc_concrete(*characteristic);
    }

    const int strength_field = code == Code::dm96 ? fyd : fyk;
    const auto strength = positive(steel, strength_field), modulus = positive(steel, Es),
               ultimate = positive(steel, epssu);
    if (!strength) return invalid(steel, strength_field);
    if (!modulus) return invalid(steel, Es);
    const double fyd_value = code == Code::dm96 ? *strength : *strength / 1.15;
    // A steel that breaks before it yields would never reach the pure tension fyd · As.
    if (!ultimate || *ultimate / 1000 <= fyd_value / *modulus) return invalid(steel, epssu);
    m.steel = {fyd_value, *modulus, *ultimate / 1000};
    return m;
}

}  // namespace norvexa::capacity
