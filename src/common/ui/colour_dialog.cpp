#include "common/ui/colour_dialog.h"

#include <QColorDialog>

#include "common/ui/twips.h"

namespace norvexa {

std::optional<Colour> ColourDialogChooser::choose(Colour current) {
    const QColor chosen = QColorDialog::getColor(to_qcolor(current), parent_);
    if (!chosen.isValid()) return std::nullopt;
    return rgb(static_cast<unsigned>(chosen.red()), static_cast<unsigned>(chosen.green()),
               static_cast<unsigned>(chosen.blue()));
}

}  // namespace norvexa
