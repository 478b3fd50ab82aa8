#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "common/control.h"
#include "common/window_model.h"

namespace norvexa {

// Makes one widget per control of a window model, named by the control (objectName),
// forwards the widgets' events to the model and shows the model in the widgets. Each
// widget is set only where it differs from its control, with its signals blocked, so
// that a list being typed into keeps its text and cursor. `after` runs once every event
// has been handled: the program refreshes its windows there.
class ControlBinder : public QObject {
  public:
    // The model must outlive the binder.
    ControlBinder(WindowModel& model, std::function<void()> after, QObject* parent = nullptr);
    // Deletes the widgets no window took in (a panel only colours its frame).
    ~ControlBinder() override;

    // One widget for every control of the model, of the control's kind.
    void bind_all();
    // The widget of one control of the model.
    QWidget* bind(const ControlRow& row);
    // The widget of the named control; nullptr when the model has none. A window that
    // shows some of its controls its own way binds the others one by one.
    QWidget* bind(std::string_view name);
    // The widget bound to the name; nullptr when none.
    QWidget* widget(std::string_view name) const;
    // Shows a label as a value box: sunken, filled with its control's colour.
    void show_as_value(std::string_view name);
    // Shows every control's state in its widget.
    void refresh();
    // True while an event is being handled: a message box it raises takes the focus,
    // and that focus change must not reach the model as the field being left again.
    bool busy() const { return busy_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Bound {
        std::string name;
        Control* control;
        ControlInfo info;
        QWidget* widget;
        bool value_box = false;
    };


    QWidget* make(Bound& bound, const ControlHandlers& on);
    void refresh(Bound& bound);
    // Runs one event's handler unless another is running, then `after`.
    void handle(const std::function<void()>& handler);
    const Bound* bound_to(const QObject* object) const;

    WindowModel& model_;
    std::function<void()> after_;
    std::map<std::string, Bound, std::less<>> bound_;
    std::map<const QObject*, std::string> names_;  // every widget and inner editor to its control
    std::vector<QPointer<QWidget>> made_;           // every widget made, to find the unplaced ones
    bool busy_ = false;
};

}  // namespace norvexa
