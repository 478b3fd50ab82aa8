#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/control.h"
#include "common/help_line.h"

namespace norvexa {

// What a control does with the events that reach it; an event without its handler is
// refused, but for what a control's kind does by itself (see WindowModel).
struct ControlHandlers {
    std::function<void()> change;          // its text changed: typed, picked, or set by a handler
    std::function<void()> key_down;        // a key pressed in it, before the text changes
    std::function<void()> leave;           // the focus left it
    std::function<void()> choose;          // an item of its list picked, after the change
    std::function<void()> click;           // after an option button or check box took its value
    std::function<void()> double_click;
    std::function<void()> press, release;  // a command button's mouse button
    std::function<void(int)> tool;         // a tool bar's button, from 1
    std::function<bool(int)> tool_enabled; // whether that button does anything now
};

// One control of a window, described once: how and where it is shown (kind, frame,
// page, option group, slider range, tool tip), what it holds when the window starts, the
// help line the pointer over it sets, and its handlers.
struct ControlRow {
    std::string name;
    Control* control = nullptr;
    ControlInfo info;
    Control start;
    std::string help;
    ControlHandlers on;
};

// Fills one row of a window's control table; every setter returns the builder, so a
// row reads as one statement: add("tb", tb, K::editable_list).in("frameSizes").change(...).
class RowBuilder {
  public:
    explicit RowBuilder(ControlRow& row) : row_(row) {}

    RowBuilder& in(std::string frame, int page = -1) {
        row_.info.frame = std::move(frame);
        return this->page(page);
    }
    RowBuilder& page(int page) { return set(row_.info.page, page); }
    RowBuilder& group(std::string group) { return set(row_.info.group, std::move(group)); }
    RowBuilder& range(int minimum, int maximum) {
        row_.info.minimum = minimum;
        return set(row_.info.maximum, maximum);
    }
    RowBuilder& tip(std::string tip) { return set(row_.info.tip, std::move(tip)); }
    RowBuilder& help(std::string text) { return set(row_.help, std::move(text)); }
    // Start state.
    RowBuilder& text(std::string text) { return set(row_.start.text, std::move(text)); }
    RowBuilder& items(std::vector<std::string> items) { return set(row_.start.items, std::move(items)); }
    RowBuilder& value(int value) { return set(row_.start.value, value); }
    RowBuilder& back(Colour colour) { return set(row_.start.back, colour); }
    RowBuilder& fore(Colour colour) { return set(row_.start.fore, colour); }
    RowBuilder& enabled(bool enabled) { return set(row_.start.enabled, enabled); }
    RowBuilder& visible(bool visible) { return set(row_.start.visible, visible); }
    // Handlers.
    RowBuilder& change(std::function<void()> handler) { return set(row_.on.change, std::move(handler)); }
    RowBuilder& key_down(std::function<void()> handler) { return set(row_.on.key_down, std::move(handler)); }
    RowBuilder& leave(std::function<void()> handler) { return set(row_.on.leave, std::move(handler)); }
    RowBuilder& choose(std::function<void()> handler) { return set(row_.on.choose, std::move(handler)); }
    RowBuilder& click(std::function<void()> handler) { return set(row_.on.click, std::move(handler)); }
    RowBuilder& double_click(std::function<void()> handler) { return set(row_.on.double_click, std::move(handler)); }
    RowBuilder& press(std::function<void()> handler) { return set(row_.on.press, std::move(handler)); }
    RowBuilder& release(std::function<void()> handler) { return set(row_.on.release, std::move(handler)); }
    RowBuilder& tool(std::function<void(int)> handler, std::function<bool(int)> enabled) {
        row_.on.tool = std::move(handler);
        return set(row_.on.tool_enabled, std::move(enabled));
    }

  private:
    template <typename Field, typename Value>
    RowBuilder& set(Field& field, Value&& value) {
        field = std::forward<Value>(value);
        return *this;
    }

    ControlRow& row_;
};

// A window as a model over its control table. The window's own class adds one row per
// control (its members, named as the program names them) and its procedures; views and
// the verifier reach the controls through the table and send events by name.
//
// Every event is refused (false, nothing done) for an unknown control, one that is not
// usable (disabled or hidden, itself or a frame around it), or one without the event:
// - type: a text field or an editable list; its key handler, then its new text;
// - choose: a list; a list that takes only its items refuses any other; the new text,
//   then the choose handler;
// - click: the click handler; an option button is chosen first (the others of its group
//   cleared), a check box toggled;
// - move_slider: a position within the slider's range, then the change handler;
// - show_page: a page of a tab panel, then the click handler;
// - leave, double_click, press, release, tool: their handler (tool also while enabled).
// Each event and each text change bumps the window's own revision.
class WindowModel {
  public:
    // The help line that the pointer over a control with a help text sets; none when null.
    explicit WindowModel(HelpLine* help = nullptr) : help_(help) {}
    virtual ~WindowModel() = default;
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    Control* find(std::string_view name);
    const Control* find(std::string_view name) const;
    // The named control, which must be one of the window's: an unknown name throws
    // std::out_of_range.
    Control& control(std::string_view name);
    const Control& control(std::string_view name) const;
    // How a view shows the named control; a label outside any frame for an unknown name.
    const ControlInfo& info(std::string_view name) const;
    // Enabled and visible, inside a usable frame.
    bool usable(std::string_view name) const;
    // Every control in table order.
    const std::deque<ControlRow>& rows() const { return rows_; }
    // The names of the controls with a help text.
    std::vector<std::string> help_keys() const;

    bool type(std::string_view name, const std::string& text);
    bool leave(std::string_view name);
    bool choose(std::string_view name, const std::string& item);
    bool click(std::string_view name);
    bool double_click(std::string_view name);
    bool press(std::string_view name);
    bool release(std::string_view name);
    bool move_slider(std::string_view name, long long position);
    // A tab panel's page, one of its items: the value, then the click handler.
    bool show_page(std::string_view name, int page);
    bool tool(std::string_view name, int button);
    bool tool_enabled(std::string_view name, int button) const;
    // Sets the help line to the control's help text, when it has one.
    void pointer_over(std::string_view name);

    // Bumped by every event and every change, so that a view refreshes only when
    // something may have changed.
    unsigned long revision() const { return revision_; }

    // Sets a control's text; when it really changes, its change handler runs.
    void set_text(Control& control, std::string text);

  protected:
    // A new row for the member control; the rows keep their order and their place.
    RowBuilder add(std::string name, Control& control, ControlKind kind);
    // Every control back to its row's start state.
    void reset();
    void touch() { ++revision_; }
    // Runs once an event's handlers are done, and after every text change.
    virtual void changed() {}

  private:
    // Calls changed() when it goes.
    struct ChangeEnd {
        WindowModel& window;
        ~ChangeEnd() { window.changed(); }
    };

    ControlRow* row(std::string_view name);
    const ControlRow* row(std::string_view name) const;
    // The row when the control is usable; nullptr otherwise.
    ControlRow* usable_row(std::string_view name);
    // Runs the usable control's handler; false when either is missing.
    bool run(std::string_view name, std::function<void()> ControlHandlers::*handler);

    HelpLine* help_;
    std::deque<ControlRow> rows_;
    std::unordered_map<std::string_view, ControlRow*> by_name_;
    std::unordered_map<const Control*, ControlRow*> by_control_;
    unsigned long revision_ = 0;
};

}  // namespace norvexa
