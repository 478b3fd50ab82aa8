#pragma once

#include <array>
#include <functional>

#include "common/outside_viewer.h"
#include "common/prompter.h"
#include "common/ui/control_binder.h"
#include "shell/standards_window.h"
#include "shell/ui/model_child_view.h"

class QPushButton;
class QToolButton;

namespace norvexa {

// The standards window, shown in an MDI child: the two framed groups of document icons
// and "Chiudi". A double click (or Enter) on an icon opens its document in the viewer.
// It closes its MDI child when the model unloads, which another child's activation does.
class StandardsWindowView : public ModelChildView {
  public:
    // after: called once the model has handled an event, to refresh every window.
    StandardsWindowView(StandardsWindow& model, OutsideViewer& viewer, Prompter& prompter,
                        std::function<void()> after, QWidget* parent = nullptr);

    // Loads and shows the model, then its MDI child (or the window itself), made active.
    void open() override;
    // Shows the model: icons' state and tool tips; closes the window once unloaded.
    void refresh() override;
    unsigned long model_revision() const override { return model_.revision(); }

    QToolButton* icon(std::size_t index) const { return icons_.at(index); }
    QPushButton* close_button() const { return close_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void handled();
    void activate_icon(std::size_t index);

    StandardsWindow& model_;
    OutsideViewer& viewer_;
    Prompter& prompter_;
    ControlBinder* binder_;
    std::array<QToolButton*, 5> icons_{};
    QPushButton* close_;
};

}  // namespace norvexa
