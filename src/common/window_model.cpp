#include "common/window_model.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace norvexa {

RowBuilder& RowBuilder::in(std::string frame, int page) {
    row_.info.frame = std::move(frame);
    row_.info.page = page;
    return *this;
}

RowBuilder& RowBuilder::page(int page) {
    row_.info.page = page;
    return *this;
}

RowBuilder& RowBuilder::group(std::string group) {
    row_.info.group = std::move(group);
    return *this;
}

RowBuilder& RowBuilder::range(int minimum, int maximum) {
    row_.info.minimum = minimum;
    row_.info.maximum = maximum;
    return *this;
}

RowBuilder& RowBuilder::tip(std::string tip) {
    row_.info.tip = std::move(tip);
    return *this;
}

RowBuilder& RowBuilder::help(std::string text) {
    row_.help = std::move(text);
    return *this;
}

RowBuilder& RowBuilder::text(std::string text) {
    row_.start.text = std::move(text);
    return *this;
}

RowBuilder& RowBuilder::items(std::vector<std::string> items) {
    row_.start.items = std::move(items);
    return *this;
}

RowBuilder& RowBuilder::value(int value) {
    row_.start.value = value;
    return *this;
}

RowBuilder& RowBuilder::back(Colour colour) {
    row_.start.back = colour;
    return *this;
}

RowBuilder& RowBuilder::fore(Colour colour) {
    row_.start.fore = colour;
    return *this;
}

RowBuilder& RowBuilder::enabled(bool enabled) {
    row_.start.enabled = enabled;
    return *this;
}

RowBuilder& RowBuilder::visible(bool visible) {
    row_.start.visible = visible;
    return *this;
}

RowBuilder& RowBuilder::change(std::function<void()> handler) {
    row_.on.change = std::move(handler);
    return *this;
}

RowBuilder& RowBuilder::key_down(std::function<void()> handler) {
    row_.on.key_down = std::move(handler);
    return *this;
}

RowBuilder& RowBuilder::leave(std::function<void()> handler) {
    row_.on.leave = std::move(handler);
    return *this;
}

RowBuilder& RowBuilder::choose(std::function<void()> handler) {
    row_.on.choose = std::move(handler);
    return *this;
}

RowBuilder& RowBuilder::click(std::function<void()> handler) {
    row_.on.click = std::move(handler);
    return *this;
}

RowBuilder& RowBuilder::double_click(std::function<void()> handler) {
    row_.on.double_click = std::move(handler);
    return *this;
}

RowBuilder& RowBuilder::press(std::function<void()> handler) {
    row_.on.press = std::move(handler);
    return *this;
}

RowBuilder& RowBuilder::release(std::function<void()> handler) {
    row_.on.release = std::move(handler);
    return *this;
}

RowBuilder& RowBuilder::tool(std::function<void(int)> handler, std::function<bool(int)> enabled) {
    row_.on.tool = std::move(handler);
    row_.on.tool_enabled = std::move(enabled);
    return *this;
}

RowBuilder WindowModel::add(std::string name, Control& control, ControlKind kind) {
    ControlRow& added = rows_.emplace_back();
    added.name = std::move(name);
    added.control = &control;
    added.info.kind = kind;
    by_name_.emplace(added.name, &added);
    by_control_.emplace(&control, &added);
    return RowBuilder(added);
}

void WindowModel::reset() {
    ++revision_;
    for (const ControlRow& r : rows_) *r.control = r.start;
}

ControlRow* WindowModel::row(std::string_view name) {
    const auto found = by_name_.find(name);
    return found == by_name_.end() ? nullptr : found->second;
}

const ControlRow* WindowModel::row(std::string_view name) const {
    const auto found = by_name_.find(name);
    return found == by_name_.end() ? nullptr : found->second;
}

Control* WindowModel::find(std::string_view name) {
    ControlRow* r = row(name);
    return r ? r->control : nullptr;
}

const Control* WindowModel::find(std::string_view name) const {
    const ControlRow* r = row(name);
    return r ? r->control : nullptr;
}

Control& WindowModel::control(std::string_view name) {
    return const_cast<Control&>(std::as_const(*this).control(name));
}

const Control& WindowModel::control(std::string_view name) const {
    const Control* found = find(name);
    if (!found) throw std::out_of_range("no control " + std::string(name));
    return *found;
}

const ControlInfo& WindowModel::info(std::string_view name) const {
    static const ControlInfo unknown;
    const ControlRow* r = row(name);
    return r ? r->info : unknown;
}

bool WindowModel::usable(std::string_view name) const {
    const ControlRow* r = row(name);
    if (!r || !r->control->enabled || !r->control->visible) return false;
    return r->info.frame.empty() || usable(r->info.frame);
}

std::vector<std::string> WindowModel::help_keys() const {
    std::vector<std::string> keys;
    for (const ControlRow& r : rows_)
        if (!r.help.empty()) keys.push_back(r.name);
    return keys;
}

ControlRow* WindowModel::usable_row(std::string_view name) {
    ++revision_;
    return usable(name) ? row(name) : nullptr;
}

void WindowModel::set_text(Control& control, std::string text) {
    ++revision_;
    if (control.text == text) return;
    control.text = std::move(text);
    if (const auto found = by_control_.find(&control); found != by_control_.end() && found->second->on.change)
        found->second->on.change();
}

bool WindowModel::type(std::string_view name, const std::string& text) {
    ControlRow* r = usable_row(name);
    if (!r || (r->info.kind != ControlKind::text_field && r->info.kind != ControlKind::editable_list)) return false;
    if (r->on.key_down) r->on.key_down();
    set_text(*r->control, text);
    return true;
}

bool WindowModel::leave(std::string_view name) {
    ControlRow* r = usable_row(name);
    if (!r || !r->on.leave) return false;
    r->on.leave();
    return true;
}

bool WindowModel::choose(std::string_view name, const std::string& item) {
    ControlRow* r = usable_row(name);
    if (!r) return false;
    const ControlKind kind = r->info.kind;
    if (kind != ControlKind::editable_list && kind != ControlKind::choice_list && kind != ControlKind::file_list)
        return false;
    const auto& items = r->control->items;
    if (kind != ControlKind::editable_list && std::find(items.begin(), items.end(), item) == items.end()) return false;
    set_text(*r->control, item);
    if (r->on.choose) r->on.choose();
    return true;
}

bool WindowModel::click(std::string_view name) {
    ControlRow* r = usable_row(name);
    if (!r || !r->on.click) return false;
    if (r->info.kind == ControlKind::option_button) {
        for (ControlRow& other : rows_)
            if (other.info.kind == ControlKind::option_button && other.info.group == r->info.group)
                other.control->value = 0;
        r->control->value = 1;
    } else if (r->info.kind == ControlKind::check_box) {
        r->control->value = r->control->value ? 0 : 1;
    }
    r->on.click();
    return true;
}

bool WindowModel::double_click(std::string_view name) {
    ControlRow* r = usable_row(name);
    if (!r || !r->on.double_click) return false;
    r->on.double_click();
    return true;
}

bool WindowModel::press(std::string_view name) {
    ControlRow* r = usable_row(name);
    if (!r || !r->on.press) return false;
    r->on.press();
    return true;
}

bool WindowModel::release(std::string_view name) {
    ControlRow* r = usable_row(name);
    if (!r || !r->on.release) return false;
    r->on.release();
    return true;
}

bool WindowModel::move_slider(std::string_view name, long long position) {
    ControlRow* r = usable_row(name);
    if (!r || r->info.kind != ControlKind::slider) return false;
    if (position < r->info.minimum || position > r->info.maximum) return false;
    r->control->value = static_cast<int>(position);
    if (r->on.change) r->on.change();
    return true;
}

bool WindowModel::show_page(std::string_view name, int page) {
    ControlRow* r = usable_row(name);
    if (!r || r->info.kind != ControlKind::tab_panel || page < 0 || page >= static_cast<int>(r->control->items.size()))
        return false;
    r->control->value = page;
    if (r->on.click) r->on.click();
    return true;
}

bool WindowModel::tool(std::string_view name, int button) {
    ControlRow* r = usable_row(name);
    if (!r || !r->on.tool || !tool_enabled(name, button)) return false;
    r->on.tool(button);
    return true;
}

bool WindowModel::tool_enabled(std::string_view name, int button) const {
    const ControlRow* r = row(name);
    return r && r->on.tool_enabled && r->on.tool_enabled(button);
}

void WindowModel::pointer_over(std::string_view name) {
    ++revision_;
    const ControlRow* r = row(name);
    if (r && help_ && !r->help.empty()) help_->set(r->help);
}

}  // namespace norvexa
