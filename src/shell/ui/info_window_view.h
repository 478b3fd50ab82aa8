#pragma once

#include <functional>

#include <QWidget>

#include "shell/info_window.h"

class QPushButton;

namespace norvexa {

// The information window, shown in an MDI child: the program's name, purpose, credits,
// contact and terms of use, and "OK". It closes its MDI child when the model unloads,
// which "OK" and another child's activation do.
class InfoWindowView : public QWidget {
  public:
    // after: called once the model has handled an event, to refresh every window.
    InfoWindowView(InfoWindow& model, std::function<void()> after, QWidget* parent = nullptr);

    // Loads and shows the model, then its MDI child (or the window itself), made active.
    void open();
    // Closes the window once the model is unloaded.
    void refresh();

    QPushButton* ok_button() const { return ok_; }

  protected:
    // The MDI child's close box unloads the model like "OK".
    void hideEvent(QHideEvent* event) override;

  private:
    void handled();
    QWidget* window_frame();

    InfoWindow& model_;
    std::function<void()> after_;
    QPushButton* ok_;
};

}  // namespace norvexa
