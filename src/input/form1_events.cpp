// The input form's load sequence and the routing of events to their handlers.
#include <algorithm>
#include <filesystem>

#include "analysis/layer_count.h"
#include "common/numbers.h"
#include "common/program_folder.h"
#include "input/form1.h"
#include "common/settings_file.h"

namespace norvexa {

void Form1::bind_handlers() {
    for (Control* size : {&tb, &th, &tb2, &th2}) {
        on_change_[size] = [this, size] { size_Change(*size); };
        on_validate_[size] = [this, size] { point_to_comma_Validate(*size); };
    }
    for (int k = 0; k < 4; ++k) {
        on_change_[&ta[k]] = [this, k] { ta_Change(k); };
        on_validate_[&ta[k]] = [this, k] { point_to_comma_Validate(ta[k]); };
        on_key_down_[&ta[k]] = [this, k] { ta_KeyDown(k); };
        on_double_click_[&ta[k]] = [this, k] { show_tab(k + 1); };
        on_change_[&td[k]] = [this, k] { td_Change(k); };
        on_validate_[&td[k]] = [this, k] { point_to_comma_Validate(td[k]); };
        on_click_[&returnButton[k]] = [this] { show_tab(0); };
        for (int g = 0; g < 3; ++g) {
            for (Control* field : {&n[k][g], &f[k][g]}) {
                on_change_[field] = [this, field] { bar_Change(*field); };
                on_choose_[field] = on_validate_[field] = [this, k, g] { bar_Chosen(k, g); };
            }
        }
    }
    on_choose_[&strati] = [this] { strati_Click(); };
    for (Control* field : {&nbr, &dst, &passo}) {
        on_change_[field] = [this, field] { stirrup_Change(*field); };
        on_validate_[field] = [this, field] { stirrup_Validate(*field); };
    }
    for (Control* action : {&TMS, &TVS}) {
        on_change_[action] = [this, action] { action_Change(*action); };
        on_validate_[action] = [this, action] { action_Validate(*action); };
    }
    on_click_[&rett] = [this] { rett_Click(); };
    on_click_[&t] = [this] { t_Click(); };
    on_click_[&Check5] = [this] { Check5_Click(); };
    on_click_[&Check1] = [this] { Check1_Click(); };
    on_click_[&Command1] = [this] { Command1_Click(); };
    on_choose_[&File1] = [this] { File_Click(MaterialKind::steel); };
    on_choose_[&File2] = [this] { File_Click(MaterialKind::concrete); };
    on_validate_[&File1] = [this] { File_LostFocus(MaterialKind::steel); };
    on_validate_[&File2] = [this] { File_LostFocus(MaterialKind::concrete); };
    on_double_click_[&File1] = [this] {
        if (hooks.show_steel_library) hooks.show_steel_library();
    };
    on_double_click_[&File2] = [this] {
        if (hooks.show_concrete_library) hooks.show_concrete_library();
    };
}

namespace {

bool run(const std::unordered_map<const Control*, std::function<void()>>& handlers, const Control* c) {
    const auto handler = c ? handlers.find(c) : handlers.end();
    if (handler == handlers.end()) return false;
    handler->second();
    return true;
}

}  // namespace

bool Form1::type(std::string_view name, const std::string& text) {
    ++revision_;
    Control* c = find(name);
    if (!c || !on_change_.count(c)) return false;
    run(on_key_down_, c);
    set_text(*c, text);
    return true;
}

bool Form1::leave(std::string_view name) {
    ++revision_;
    return run(on_validate_, find(name));
}

bool Form1::choose(std::string_view name, const std::string& item) {
    ++revision_;
    Control* c = find(name);
    if (!c || !on_choose_.count(c)) return false;
    // Lists that only offer their items refuse any other text.
    const bool items_only = c == &strati || c == &File1 || c == &File2;
    if (items_only && std::find(c->items.begin(), c->items.end(), item) == c->items.end()) return false;
    set_text(*c, item);
    return run(on_choose_, c);
}

bool Form1::click(std::string_view name) {
    ++revision_;
    Control* c = find(name);
    if (!c || !on_click_.count(c)) return false;
    if (c == &rett || c == &t) {
        rett.value = c == &rett;
        t.value = c == &t;
    } else if (c == &Check5 || c == &Check1) {
        c->value = c->value ? 0 : 1;
    }
    return run(on_click_, c);
}

bool Form1::double_click(std::string_view name) {
    ++revision_;
    return run(on_double_click_, find(name));
}

bool Form1::move_slider(std::string_view name, long long position) {
    ++revision_;
    Control* slider = find(name);
    const int largest = slider == &sl1 ? 40 : slider == &sl2 ? 20 : 0;
    if (position < 1 || position > largest) return false;
    slider->value = static_cast<int>(position);
    slider == &sl1 ? sl1_Change() : sl2_Change();
    return true;
}

void Form1::show_tab(int tab) {
    ++revision_;
    SSTab1.value = tab;
    SSTab1_Click();
}

Form1::Load Form1::Form_Load(MissingFolders missing) {
    ++revision_;
    missing_folders_ = missing;
    top = title_.height;
    left = 0;
    apply_settings();
    const bool folders = std::filesystem::is_directory(concrete_folder()) && std::filesystem::is_directory(steel_folder());
    if (!folders && missing == MissingFolders::stop) return Load::folders_missing;
    File2.items = list_materials(MaterialKind::concrete);
    File1.items = list_materials(MaterialKind::steel);
    fill_lists();
    salvaconnome = false;
    return folders ? Load::loaded : Load::folders_missing;
}

void Form1::Form_Activate() {
    ++revision_;
    SSTab1.value = 0;
}

void Form1::apply_settings() {
    const auto settings = read_input_form_settings();
    if (!settings) return;
    // A slider refuses a position outside its range; the rest then stays as designed.
    const auto p5 = read_file_number(settings->strip), p6 = read_file_number(settings->tolerance);
    if (!p5 || *p5 < 1 || *p5 > 40) return;
    sl1.value = static_cast<int>(*p5);
    rettang.text = to_text(*p5 / 10.0);
    if (!p6 || *p6 < 1 || *p6 > 20) return;
    sl2.value = static_cast<int>(*p6);
    toller.text = to_text(static_cast<int>(*p6));
    for (Control* c : {&tb, &th, &tb2, &th2, &Shape10}) c->back = settings->concrete;
    for (Control* c : {&strati, &Shape11}) c->back = settings->steel;
    for (Control* c : {&Shape5, &Shape6, &Shape7, &Shape8, &Shape9, &rett, &t, &COOR}) c->back = settings->mask;
    for (int i = 0; i < 4; ++i) s[i].back = sq[i].back = settings->mask;
    Frame1.back = settings->line;
}

void Form1::fill_lists() {
    for (int k = 1; k <= 4; ++k) strati.items.push_back(layer_count_text(k));
    strati.text = layer_count_text(1);
    std::vector<Control*> sizes{&tb, &th, &tb2, &th2};
    for (int k = 0; k < 4; ++k)
        for (int g = 0; g < 3; ++g) f[k][g].items = n[k][g].items = {""};
    for (Control* c : {&nbr, &dst, &tb, &th, &tb2, &th2}) c->items = {""};
    for (int size = 10; size <= 120; size += 10)
        for (Control* c : sizes) c->items.push_back(to_text(size));
    for (int d = 8; d <= 30; d += 2) {
        for (auto& layer : f)
            for (Control& diameter : layer) diameter.items.push_back(to_text(d));
        if (d < 18) dst.items.push_back(to_text(d));
    }
    for (int count = 1; count <= 20; ++count)
        for (auto& layer : n)
            for (Control& c : layer) c.items.push_back(to_text(count));
    for (int arms : {2, 4, 6, 8}) nbr.items.push_back(to_text(arms));
}

}  // namespace norvexa
