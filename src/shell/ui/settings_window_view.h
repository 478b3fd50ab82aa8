#pragma once

#include <functional>

#include <QWidget>

#include "common/ui/control_binder.h"
#include "shell/settings_window.h"

namespace norvexa {

// The display settings window: the swatches with their buttons, the two slider
// defaults, the defaults command, the warning, "OK" and "Annulla".
class SettingsWindowView : public QWidget {
  public:
    // after: called once the model has handled an event, to refresh every window.
    SettingsWindowView(Colori& model, std::function<void()> after, QWidget* parent = nullptr);
    void refresh() { binder_->refresh(); }
    QWidget* control(std::string_view name) const { return binder_->widget(name); }

  private:
    Colori& model_;
    ControlBinder* binder_;
};

}  // namespace norvexa
