#include "common/window_model.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace norvexa {

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
    const ChangeEnd end{*this};
    ++revision_;
    if (control.text == text) return;
    control.text = std::move(text);
    if (const auto found = by_control_.find(&control); found != by_control_.end() && found->second->on.change)
        found->second->on.change();
}

bool WindowModel::run(std::string_view name, std::function<void()> ControlHandlers::*handler) {
    const ChangeEnd end{*this};
    ControlRow* r = usable_row(name);
    if (!r || !(r->on.*handler)) return false;
    (r->on.*handler)();
    return true;
}

bool WindowModel::type(std::string_view name, const std::string& text) {
    const ChangeEnd end{*this};
    ControlRow* r = usable_row(name);
    if (!r || (r->info.kind != ControlKind::text_field && r->info.kind != ControlKind::editable_list)) return false;
    if (r->on.key_down) r->on.key_down();
    set_text(*r->control, text);
    return true;
}

bool WindowModel::leave(std::string_view name) { return run(name, &ControlHandlers::leave); }

bool WindowModel::choose(std::string_view name, const std::string& item) {
    const ChangeEnd end{*this};
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
    const ChangeEnd end{*this};
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

bool WindowModel::double_click(std::string_view name) { return run(name, &ControlHandlers::double_click); }

bool WindowModel::press(std::string_view name) { return run(name, &ControlHandlers::press); }

bool WindowModel::release(std::string_view name) { return run(name, &ControlHandlers::release); }

bool WindowModel::move_slider(std::string_view name, long long position) {
    const ChangeEnd end{*this};
    ControlRow* r = usable_row(name);
    if (!r || r->info.kind != ControlKind::slider) return false;
    if (position < r->info.minimum || position > r->info.maximum) return false;
    r->control->value = static_cast<int>(position);
    if (r->on.change) r->on.change();
    return true;
}

bool WindowModel::show_page(std::string_view name, int page) {
    const ChangeEnd end{*this};
    ControlRow* r = usable_row(name);
    if (!r || r->info.kind != ControlKind::tab_panel || page < 0 || page >= static_cast<int>(r->control->items.size()))
        return false;
    r->control->value = page;
    if (r->on.click) r->on.click();
    return true;
}

bool WindowModel::tool(std::string_view name, int button) {
    const ChangeEnd end{*this};
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
