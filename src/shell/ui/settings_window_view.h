#pragma once

#include <functional>


#include "common/ui/model_view.h"
#include "common/ui/control_binder.h"
#include "shell/settings_window.h"

namespace norvexa {

// The display settings window: the swatches with their buttons, the two slider
// defaults, the defaults command, the warning, "OK" and "Annulla".
class SettingsWindowView : public ModelView {
  public:
    // after: called once the model has handled an event, to refresh every window.
    SettingsWindowView(Colori& model, std::function<void()> after, QWidget* parent = nullptr);
    ~SettingsWindowView() override;
    void refresh() override { binder_->refresh(); }
    unsigned long model_revision() const override { return model_.revision(); }
    // Centred across the area, in its upper third.
    void place(QMdiSubWindow& child) override;
    QWidget* control(std::string_view name) const { return binder_->widget(name); }

  private:
    Colori& model_;
    ControlBinder* binder_;
};

}  // namespace norvexa
