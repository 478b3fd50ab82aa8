#pragma once

#include "common/colour_chooser.h"

class QWidget;

namespace norvexa {

// The desktop's colour dialog.
class ColourDialogChooser : public ColourChooser {
  public:
    explicit ColourDialogChooser(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }
    std::optional<Colour> choose(Colour current) override;

  private:
    QWidget* parent_;
};

}  // namespace norvexa
