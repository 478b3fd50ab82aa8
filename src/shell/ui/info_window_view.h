#pragma once

#include <functional>

#include "common/ui/control_binder.h"
#include "shell/info_window.h"
#include "shell/ui/model_child_view.h"

class QPushButton;

namespace norvexa {

// The information window, shown in an MDI child: the program's name, purpose, credits,
// contact and terms of use, and "OK". It closes its MDI child when the model unloads,
// which "OK" and another child's activation do.
class InfoWindowView : public ModelChildView {
  public:
    // after: called once the model has handled an event, to refresh every window.
    InfoWindowView(InfoWindow& model, std::function<void()> after, QWidget* parent = nullptr);

    // Loads and shows the model, then its MDI child (or the window itself), made active.
    void open() override;
    // Closes the window once the model is unloaded.
    void refresh() override;
    unsigned long model_revision() const override { return model_.revision(); }

    QPushButton* ok_button() const { return ok_; }

  private:
    void handled();

    InfoWindow& model_;
    ControlBinder* binder_;
    QPushButton* ok_;
};

}  // namespace norvexa
