#pragma once

#include <QFont>

#include "common/text_measure.h"

namespace norvexa {

// Label sizes in twips, measured with the real font the labels are shown in.
class FontTextMeasure : public TextMeasure {
  public:
    explicit FontTextMeasure(const QFont& font) : font_(font) {}
    TextSize measure(std::string_view text) const override;

  private:
    QFont font_;
};

}  // namespace norvexa
