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


namespace norvexa {

// What a window model does with the events of its widgets. A handler left unset ignores
// its event. `after` runs once every event has been handled: the program refreshes its
// windows there.
struct ControlEvents {
    std::function<bool(std::string_view, const std::string&)> type;    // the text as typed so far
    std::function<bool(std::string_view)> leave;                       // focus left the control
    std::function<bool(std::string_view, const std::string&)> choose;  // a list item picked
    std::function<bool(std::string_view)> click, double_click;
    std::function<void(std::string_view)> press, release;              // a command's mouse button
    std::function<bool(std::string_view, long long)> move_slider;
    std::function<void(int)> show_tab;
    std::function<void(int bar, int button)> tool_bar;                 // buttons from 1
    std::function<bool(int bar, int button)> tool_bar_enabled;
    std::function<void(std::string_view)> pointer_over;
    std::function<void()> after;
};

// Makes one widget per control of a window model, named by the control (objectName),
// forwards the widgets' events to the model and shows the model in the widgets. Each
// widget is set only where it differs from its control, with its signals blocked, so
// that a list being typed into keeps its text and cursor.
class ControlBinder : public QObject {
  public:
    explicit ControlBinder(ControlEvents events, QObject* parent = nullptr);
    // Deletes the widgets no window took in (a panel only colours its frame).
    ~ControlBinder() override;

    // The widget of a control of that kind (a tool bar's number is its name's last digit).
    QWidget* bind(const std::string& name, Control& control, const ControlInfo& info);
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

    QWidget* make(Bound& bound);
    void refresh(Bound& bound);
    // Runs one event's handler unless another is running, then `after`.
    void handle(const std::function<void()>& handler);
    const Bound* bound_to(const QObject* object) const;

    ControlEvents events_;
    std::map<std::string, Bound, std::less<>> bound_;
    std::map<const QObject*, std::string> names_;  // every widget and inner editor to its control
    std::vector<QPointer<QWidget>> made_;           // every widget made, to find the unplaced ones
    bool busy_ = false;
};

}  // namespace norvexa
