#pragma once

#include <string>

namespace norvexa {

// The items of the layer-count list: "N° 1 Strati barre" .. "N° 4 Strati barre".
std::string layer_count_text(int layers);
// The count an item names, 0 for any other text.
int layer_count_of(const std::string& text);

}  // namespace norvexa
