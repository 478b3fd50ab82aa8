#include "common/ui/font_measure.h"

#include <QFontMetricsF>
#include <QString>

#include "common/ui/twips.h"

namespace norvexa {

TextSize FontTextMeasure::measure(std::string_view text) const {
    const QFontMetricsF metrics(font_);
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {static_cast<float>(metrics.horizontalAdvance(shown) * twips_per_pixel),
            static_cast<float>(metrics.height() * twips_per_pixel)};
}

}  // namespace norvexa
