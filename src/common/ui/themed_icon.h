#pragma once

#include <initializer_list>

#include <QIcon>
#include <QStyle>

namespace norvexa {

// The desktop theme's icon under the first of the names it has; Qt's own when it has none.
QIcon themed_icon(std::initializer_list<const char*> names, QStyle::StandardPixmap fallback);

}  // namespace norvexa
