#pragma once

#include <functional>

#include "common/ui/model_view.h"

namespace norvexa {

// A window shown in an MDI child over a model that shows and unloads it, with a close
// button of its own: what the information and standards windows share.
class ModelChildView : public ModelView {
  protected:
    // shown: whether the model shows the window; close_clicked: the model's close button;
    // after: called once the model has handled an event, to refresh every window.
    ModelChildView(std::function<bool()> shown, std::function<void()> close_clicked, std::function<void()> after,
                   QWidget* parent);

    // Shows the view and its MDI child (or the view itself), made active, with the focus
    // on `focus`, then refreshes every window.
    void show_frame(QWidget* focus);
    // Closes the MDI child once the model no longer shows the window.
    void close_when_unloaded();
    void after() const;

    // The MDI child's close box is the model's close button.
    void hideEvent(QHideEvent* event) override;

  private:
    std::function<bool()> shown_;
    std::function<void()> close_clicked_, after_;
};

}  // namespace norvexa
