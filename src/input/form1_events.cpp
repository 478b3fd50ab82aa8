// The input form's load sequence, its tabs and its lists' contents.
#include <algorithm>
#include <filesystem>

#include "analysis/layer_count.h"
#include "common/numbers.h"
#include "common/program_folder.h"
#include "input/form1.h"
#include "common/settings_file.h"

namespace norvexa {

void Form1::show_tab(int tab) {
    touch();
    SSTab1.value = tab;
    SSTab1_Click();
}

Form1::Load Form1::Form_Load(MissingFolders missing) {
    touch();
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
    touch();
    SSTab1.value = 0;
}

void Form1::apply_settings() {
    const auto settings = read_input_form_settings();
    if (!settings) return;
    // A slider refuses a position outside its range; the rest then stays as designed.
    const auto p5 = read_file_number(settings->strip), p6 = read_file_number(settings->tolerance);
    const auto within = [this](const char* slider, std::optional<long long> position) {
        return position && *position >= info(slider).minimum && *position <= info(slider).maximum;
    };
    if (!within("sl1", p5)) return;
    sl1.value = static_cast<int>(*p5);
    rettang.text = to_text(*p5 / 10.0);
    if (!within("sl2", p6)) return;
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
