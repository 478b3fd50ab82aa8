#include "analysis/layer_count.h"

namespace norvexa {

std::string layer_count_text(int layers) { return "N° " + std::to_string(layers) + " Strati barre"; }

int layer_count_of(const std::string& text) {
    for (int n = 1; n <= 4; ++n)
        if (text == layer_count_text(n)) return n;
    return 0;
}

}  // namespace norvexa
