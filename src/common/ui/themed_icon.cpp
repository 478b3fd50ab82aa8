#include "common/ui/themed_icon.h"

#include <QApplication>

namespace norvexa {

QIcon themed_icon(std::initializer_list<const char*> names, QStyle::StandardPixmap fallback) {
    for (const char* name : names)
        if (QIcon::hasThemeIcon(name)) return QIcon::fromTheme(name);
    return QApplication::style()->standardIcon(fallback);
}

}  // namespace norvexa
