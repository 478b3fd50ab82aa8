#pragma once

// The byte form of a sequence of input-form events, read by the input form's fuzz target
// and written by the writer of the starting inputs. Each event is:
//   kind byte (modulo the kinds), control byte (modulo the number of controls, two bytes
//   big-endian when there are more than 256), then by kind:
//   type, enter: a length byte (modulo 25) and that many bytes of text;
//   choose: a pick byte, the control's item of that index (modulo the items) or, for
//     0xFF or a control without items, a text as for type;
//   move_slider: a signed byte as the position, or 0x80 followed by eight bytes big-endian;
//   show_tab: a byte, the tab (modulo 5) whose page the form shows;
//   leave, click, double_click, pointer_over: nothing.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "input/form1.h"

namespace norvexa::fuzz {

enum class EventKind : std::uint8_t {
    type, enter, leave, choose, click, double_click, move_slider, pointer_over, show_tab, count
};

inline constexpr std::size_t longest_event_text = 24;
inline constexpr std::uint8_t typed_choice = 0xFF;
inline constexpr std::uint8_t wide_position = 0x80;

inline std::size_t read_control_index(ByteStream& in, std::size_t controls) {
    std::size_t index = in.byte();
    if (controls > 256) index = index << 8 | in.byte();
    return index % controls;
}

// Applies one event to the form; false when the input has ended.
inline bool apply_next_event(Form1& form, ByteStream& in) {
    if (in.empty()) return false;
    const auto kind = static_cast<EventKind>(in.byte() % static_cast<std::uint8_t>(EventKind::count));
    const auto& rows = form.rows();
    const ControlRow& row = rows[read_control_index(in, rows.size())];
    const std::string& name = row.name;
    const Control* control = row.control;
    switch (kind) {
        case EventKind::type: form.type(name, in.text(longest_event_text)); break;
        case EventKind::enter:
            form.type(name, in.text(longest_event_text));
            form.leave(name);
            break;
        case EventKind::leave: form.leave(name); break;
        case EventKind::choose: {
            const std::uint8_t pick = in.byte();
            const auto& items = control->items;
            // A copy: choosing may rebuild the very list the item came from.
            const std::string item = pick == typed_choice || items.empty() ? in.text(longest_event_text)
                                                                            : items[pick % items.size()];
            form.choose(name, item);
            break;
        }
        case EventKind::click: form.click(name); break;
        case EventKind::double_click: form.double_click(name); break;
        case EventKind::move_slider: {
            const std::uint8_t position = in.byte();
            form.move_slider(name, position == wide_position ? in.int64() : static_cast<std::int8_t>(position));
            break;
        }
        case EventKind::pointer_over: form.pointer_over(name); break;
        case EventKind::show_tab: form.show_tab(in.byte() % 5); break;
        case EventKind::count: break;
    }
    return true;
}

// Writes events in the form apply_next_event reads, naming controls as the form lists them.
class EventWriter {
  public:
    explicit EventWriter(const Form1& form) : form_(form) {}

    void type(std::string_view name, std::string_view text) { text_event(EventKind::type, name, text); }
    void enter(std::string_view name, std::string_view text) { text_event(EventKind::enter, name, text); }
    void leave(std::string_view name) { head(EventKind::leave, name); }
    void click(std::string_view name) { head(EventKind::click, name); }
    void double_click(std::string_view name) { head(EventKind::double_click, name); }
    // Chooses the named item of the control's list as the form now holds it.
    void choose(std::string_view name, std::string_view item) {
        head(EventKind::choose, name);
        const auto& items = form_.find(name)->items;
        for (std::size_t i = 0; i < items.size() && i < typed_choice; ++i) {
            if (items[i] == item) {
                bytes_ += static_cast<char>(i);
                return;
            }
        }
        bytes_ += static_cast<char>(typed_choice);
        text(item);
    }
    void move_slider(std::string_view name, std::int8_t position) {
        head(EventKind::move_slider, name);
        bytes_ += static_cast<char>(position);
    }
    const std::string& bytes() const { return bytes_; }

  private:
    void head(EventKind kind, std::string_view name) {
        bytes_ += static_cast<char>(kind);
        const auto& rows = form_.rows();
        std::size_t index = 0;
        while (index < rows.size() && rows[index].name != name) ++index;
        expect(index < rows.size(), "no control of that name");
        if (rows.size() > 256) bytes_ += static_cast<char>(index >> 8);
        bytes_ += static_cast<char>(index & 0xFF);
    }
    void text(std::string_view text) {
        expect(text.size() <= longest_event_text, "event text too long");
        bytes_ += static_cast<char>(text.size());
        bytes_ += text;
    }
    void text_event(EventKind kind, std::string_view name, std::string_view value) {
        head(kind, name);
        text(value);
    }

    const Form1& form_;
    std::string bytes_;
};

}  // namespace norvexa::fuzz
