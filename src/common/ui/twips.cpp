#include "common/ui/twips.h"

#include <QApplication>
#include <QPalette>

namespace norvexa {

QColor to_qcolor(Colour colour) {
    if (colour == colours::button_face) return QApplication::palette().color(QPalette::Button);
    if (colour == colours::button_text) return QApplication::palette().color(QPalette::ButtonText);
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace norvexa
