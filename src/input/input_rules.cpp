#include "input/input_rules.h"

#include <algorithm>
#include <cmath>

#include "common/numbers.h"

namespace norvexa {

bool leading_number_is_zero(const std::string& text) { return leading_number(text) == 0; }

std::string points_to_commas(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::vector<std::string> spacing_items(double total_height) {
    std::vector<std::string> items{""};
    const double largest = std::min(0.8 * total_height, 30.0);
    for (int s = 4; s <= largest; ++s) items.push_back(to_text(s));
    return items;
}

std::vector<std::string> depth_items(double h1, double h2, bool tee) {
    std::vector<std::string> items{""};
    if (h1 > 5)
        for (int d : {3, 4, 5}) items.push_back(to_text(d));
    items.push_back(depth_separator);
    if (h1 > 10)
        for (int below : {5, 4, 3}) items.push_back(to_text(h1 - below));
    const double total = h1 + h2;
    if (tee && h2 > 0 && total > 13 && std::isfinite(total)) {
        items.push_back(depth_separator);
        for (int below : {5, 4, 3}) items.push_back(to_text(total - below));
    }
    return items;
}

double height_of(const std::string& text) { return round_to(locale_double(text).value_or(0), 2); }

namespace {

// A zero count or diameter gives no area, however large the other factor: without this
// a huge count times a zero diameter would overflow to infinity times 0.
bool no_area(double factor, double diameter) { return factor == 0 || diameter == 0; }

std::optional<std::string> shown_area(double area) {
    if (!(std::fabs(area) < largest_shown_area)) return std::nullopt;
    return rounded_text(area, 2);
}

}  // namespace

std::optional<std::string> group_area_text(const std::string& count, const std::string& diameter) {
    const double n = locale_double(count).value_or(0);
    const double d = locale_double(diameter).value_or(0);
    if (no_area(n, d)) return std::string{};
    const auto area = shown_area(n * 3.1415 * (d / 2) * (d / 2) / 100);
    return area == "0" ? std::string{} : area;
}

std::string layer_total_text(const std::array<std::string, 3>& group_areas) {
    double total = 0;
    for (const std::string& area : group_areas)
        if (!area.empty()) total += round_to(locale_double(area).value_or(0), 2);
    return total == 0 ? std::string{} : to_text(total);
}

std::optional<std::string> stirrup_area_text(const std::string& arms, const std::string& diameter_mm,
                                             const std::string& spacing_cm) {
    const auto nb = locale_double(arms), mm = locale_double(diameter_mm), s = locale_double(spacing_cm);
    if (!nb || !mm || !s || *s == 0) return std::string{};
    if (no_area(*nb, *mm)) return shown_area(0);
    const double d = *mm / 10;
    return shown_area(100 / *s * *nb * 3.1415 * (d / 2) * (d / 2));
}

std::size_t overflowing_factor(std::initializer_list<std::pair<const std::string&, int>> factors) {
    std::size_t largest = 0, index = 0;
    double largest_weight = -INFINITY;
    for (const auto& [text, power] : factors) {
        const double weight = power * std::log10(std::fabs(locale_double(text).value_or(1)));
        if (weight > largest_weight) largest_weight = weight, largest = index;
        ++index;
    }
    return largest;
}

std::string action_on_leaving(const std::string& text) {
    if (text.find(',') != std::string::npos)
        if (const auto value = locale_double(text)) return to_text(*value);
    return to_text(leading_number(text));
}

}  // namespace norvexa
