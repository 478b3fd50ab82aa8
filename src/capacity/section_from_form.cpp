#include "capacity/capacity.h"

#include <cmath>
#include <optional>

#include "analysis/form_fields.h"
#include "analysis/layer_count.h"
#include "common/numbers.h"

namespace norvexa::capacity {
namespace {

// Positive, and finite once in mm².
std::optional<double> positive(const std::string& text) {
    const std::optional<double> value = locale_double(text);
    if (value && *value > 0 && std::isfinite(*value * 100)) return value;
    return std::nullopt;
}

std::string invalid_size(const char* caption) { return std::string("La sezione non ha un valore valido di ") + caption; }

std::string invalid_layer_value(int layer, const char* caption) {
    const std::string k = std::to_string(layer);
    return "Lo strato " + k + " non ha un valore valido di " + caption + k;
}

}  // namespace

std::variant<Section, std::string> section_from_form(const FieldSource& form) {
    const FormFields f = read_form_fields(form);
    // Sizes go to mm, areas to mm², as the captions B1, H1, B2, H2 (cm) and As (cm²) say.
    const auto b1 = positive(f.tb), h1 = positive(f.th);
    if (!b1) return invalid_size("B1");
    if (!h1) return invalid_size("H1");
    Section section;
    section.bands.push_back({0, *h1 * 10, *b1 * 10});
    if (f.t) {
        const auto b2 = positive(f.tb2), h2 = positive(f.th2);
        if (!b2) return invalid_size("B2");
        if (!h2) return invalid_size("H2");
        section.bands.push_back({*h1 * 10, (*h1 + *h2) * 10, *b2 * 10});
    }
    const double height = section.height();

    const int layers = layer_count_of(f.strati);
    if (layers == 0) return std::string("La sezione non ha un numero valido di strati barre");
    bool steel = false;
    for (int i = 0; i < layers; ++i) {
        const std::optional<double> area = locale_double(f.ta[i]), depth = positive(f.td[i]);
        if (!area || *area < 0 || !std::isfinite(*area * 100)) return invalid_layer_value(i + 1, "As");
        if (!depth) return invalid_layer_value(i + 1, "d");
        // A layer on the bottom fibre could not be the pivot of the hogging planes.
        if (*depth * 10 >= height)
            return "Lo strato " + std::to_string(i + 1) + " è fuori dalla sezione: d" + std::to_string(i + 1) +
                   " deve essere minore dell'altezza totale";
        section.layers.push_back({*area * 100, *depth * 10});
        steel = steel || *area > 0;
    }
    if (!steel) return std::string("La sezione non ha armature: almeno uno strato deve avere As maggiore di 0");
    return section;
}

}  // namespace norvexa::capacity
