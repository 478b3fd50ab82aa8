// Handlers of the shape choice, the sizes, the bar layers and the tabbed panel.
#include "analysis/layer_count.h"
#include "input/form1.h"
#include "input/input_rules.h"

namespace norvexa {

bool Form1::entry_accepted(Control& field) {
    switch (check_entry(field.text)) {
        case Entry::number: return true;
        case Entry::empty: return false;
        case Entry::refused: break;
    }
    refuse(field);
    return false;
}

void Form1::refuse(Control& field) {
    ++refused_entries;
    prompter_.ask({syntax_error_text(field.text), Icon::warning, Buttons::ok, "Attenzione"});
    set_text(field, "");
}

void Form1::rett_Click() {
    for (Control* c : {&tb2, &th2, &lblB2, &lblH2, &webSketch}) c->visible = false;
    set_text(tb2, "");
    set_text(th2, "");
    salvaconnome = true;
}

void Form1::t_Click() {
    for (Control* c : {&tb2, &th2, &lblB2, &lblH2, &webSketch}) c->visible = true;
    salvaconnome = true;
}

void Form1::size_Change(Control& size) {
    salvaconnome = true;
    if (!entry_accepted(size)) return;
    if (leading_number_is_zero(size.text)) set_text(size, "");
    if (&size == &th || &size == &th2) rebuild_lists();
}

void Form1::point_to_comma_Validate(Control& field) { set_text(field, points_to_commas(field.text)); }

void Form1::rebuild_lists() {
    const double h1 = height_of(th.text), h2 = height_of(th2.text);
    passo.items = spacing_items(h1 + h2);
    const std::vector<std::string> depths = depth_items(h1, h2, t.value == 1);
    for (Control& depth : td) depth.items = depths;
}

void Form1::SSTab1_Click() {
    const int tab = SSTab1.value;
    if (tab >= 2 && tab <= 4 && layer_count_of(strati.text) < tab) {
        strati.text = layer_count_text(tab);
        strati_Click();
    }
}

void Form1::Toolbar_ButtonClick(int bar, int button) {
    touch();
    if (const std::function<void()>* action = toolbar_action(bar, button); action && *action) (*action)();
}

void Form1::strati_Click() {
    salvaconnome = true;
    switch_layers();
}

void Form1::switch_layers() {
    const int layers = layer_count_of(strati.text);
    for (int k = 1; k < 4; ++k) {
        const bool in_use = k < layers;
        for (Control* c : {&lblAs[k], &lblD[k], &ta[k], &td[k], &barFrame[k]}) c->enabled = in_use;
        if (!in_use) {
            set_text(ta[k], "");
            set_text(td[k], "");
            clear_bar_list(k);
        }
        ta[k].back = td[k].back = in_use ? layer_tints[k] : switched_off();
    }
}

void Form1::clear_bar_list(int layer) {
    for (int g = 0; g < 3; ++g) {
        set_text(n[layer][g], "");
        set_text(f[layer][g], "");
        groupArea[layer][g].text.clear();
    }
}

void Form1::bar_Change(Control& field) { entry_accepted(field); }

void Form1::bar_Chosen(int layer, int group) {
    // The first page recomputes only the group that changed, the others all three.
    const bool shown = layer == 0 ? show_group_area(0, group) : show_group_areas(layer);
    // An area too large is refused like a text that is not a number, in the count or the
    // diameter that makes it so; the emptied field then gives an empty group area.
    for (int g = 0; g < 3 && !shown; ++g) {
        Control &count = n[layer][g], &diameter = f[layer][g];
        if (!group_area_text(count.text, diameter.text))
            refuse(overflowing_factor({{count.text, 1}, {diameter.text, 2}}) == 0 ? count : diameter);
    }
    const std::string sum = layer_total_text({groupArea[layer][0].text, groupArea[layer][1].text, groupArea[layer][2].text});
    total[layer].text = sum;
    set_text(ta[layer], sum);
}

bool Form1::show_group_area(int layer, int group) {
    const auto area = group_area_text(n[layer][group].text, f[layer][group].text);
    groupArea[layer][group].text = area.value_or("");
    return area.has_value();
}

bool Form1::show_group_areas(int layer) {
    bool shown = true;
    for (int g = 0; g < 3; ++g) shown = show_group_area(layer, g) && shown;
    return shown;
}

void Form1::ta_Change(int layer) {
    salvaconnome = true;
    if (entry_accepted(ta[layer])) total[layer].text = ta[layer].text;
}

void Form1::ta_KeyDown(int layer) { clear_bar_list(layer); }

void Form1::td_Change(int layer) {
    salvaconnome = true;
    if (td[layer].text == depth_separator) set_text(td[layer], "");
    else entry_accepted(td[layer]);
}

}  // namespace norvexa
