#include "common/text_measure.h"

namespace norvexa {

TextSize FixedTextMeasure::measure(std::string_view text) const {
    int characters = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;  // UTF-8 lead bytes only
    return {90.0f * static_cast<float>(characters), 195.0f};
}

}  // namespace norvexa
