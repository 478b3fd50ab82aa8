#pragma once

#include <QWidget>

class QMdiArea;
class QMdiSubWindow;

namespace norvexa {

// The view of one window model, as the main window holds it: refreshed whenever the
// revision of what it shows changes, opened and closed as the program asks, placed in
// its MDI child when that is made.
class ModelView : public QWidget {
  public:
    // Shows the model in every widget.
    virtual void refresh() = 0;
    // Changes whenever what the view shows may have changed.
    virtual unsigned long model_revision() const = 0;
    // Shows the window, its MDI child too, made the active one.
    virtual void open();
    // Closes the window: its MDI child, or the view itself when it stands alone.
    virtual void close_window();
    // Gives a new MDI child holding the view its size and place: the view's size at the
    // area's top left unless the view says otherwise.
    virtual void place(QMdiSubWindow& child);

  protected:
    using QWidget::QWidget;
    // The MDI child holding the view, or the view itself.
    QWidget* frame();
};

// Adds the view to the area in an MDI child named after it ("Window" appended), kept
// across closes, placed by the view.
QMdiSubWindow* add_to_area(QMdiArea& area, ModelView& view, Qt::WindowFlags flags = {});

}  // namespace norvexa
