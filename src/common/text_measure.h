#pragma once

#include <string_view>

namespace norvexa {

// The size in twips that an auto-sized label takes for a text.
struct TextSize {
    float width = 0;
    float height = 0;
};

// Measures label texts; the window implements it with its font's metrics.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    virtual TextSize measure(std::string_view text) const = 0;
};

// A fixed measure for use without a window: 90 twips per character, 195 high (about
// an 8-point sans-serif label).
class FixedTextMeasure : public TextMeasure {
  public:
    TextSize measure(std::string_view text) const override;
};

}  // namespace norvexa
