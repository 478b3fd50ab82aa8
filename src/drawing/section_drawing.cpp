#include "drawing/section_drawing.h"

#include <algorithm>
#include <array>

#include "analysis/bending_results.h"
#include "analysis/form_numbers.h"
#include "analysis/layer_count.h"
#include "common/arithmetic_fault.h"
#include "drawing/bar_list_place.h"

namespace norvexa {
namespace {

constexpr float gap = 50;  // between a dimension text and the outline

float number_of(const std::string& text) { return single(double_or_zero(text)); }
float field_number(const FieldSource& form, const std::string& name) { return number_of(form.text(name)); }

std::string layer_field(const char* stem, int layer) { return stem + std::to_string(layer); }

void set_end_points(BoardElement& line, float x1, float y1, float x2, float y2) {
    line.x1 = x1;
    line.y1 = y1;
    line.x2 = x2;
    line.y2 = y2;
}

float right(const BoardElement& e) { return single(e.left + e.width); }
float bottom(const BoardElement& e) { return single(e.top + e.height); }

void set_caption(BoardElement& label, const std::string& text, const TextMeasure& measure) {
    label.text = text;
    const TextSize size = measure.measure(text);
    label.width = size.width;
    label.height = size.height;
}

// The blocks are stacked 360 apart and aligned at the bottom; blocks of unused layers
// keep their place.
void place_layer_blocks(Board& board, int layers) {
    const auto blocks = board.layer_blocks();
    for (int i = 0; i < layers; ++i) blocks[i]->top = 360.0f * static_cast<float>(4 - layers + i);
}

void draw_outline(Board& b) {
    set_end_points(b.LB1, b.corpo1.left, b.corpo1.top, right(b.corpo1), b.corpo1.top);
    set_end_points(b.LB2, b.corpo2.left, bottom(b.corpo2), right(b.corpo2), bottom(b.corpo2));
    set_end_points(b.LH1S, b.LB1.x1, b.LB1.y1, b.LB1.x1, single(b.LB1.y1 + b.corpo1.height + 5));
    set_end_points(b.LH1D, b.LB1.x2, b.LB1.y2, b.LB1.x2, single(b.LB1.y2 + b.corpo1.height + 5));
    set_end_points(b.LB1S, b.LH1S.x2, b.LH1S.y2, b.corpo2.left, b.corpo2.top);
    set_end_points(b.LB1D, b.LH1D.x2, b.LH1D.y2, right(b.corpo2), b.corpo2.top);
    set_end_points(b.LH2S, b.LB1S.x2, b.LB1S.y2, b.LB2.x1, single(b.LB2.y1 + 5));
    set_end_points(b.LH2D, b.LB1D.x2, b.LB1D.y2, b.LB2.x2, single(b.LB2.y2 + 5));
}

void place_dimension_texts(const FieldSource& form, Board& b, const TextMeasure& measure) {
    set_caption(b.Label1, form.text("tb"), measure);
    b.Label1.left = single(b.corpo1.left + b.corpo1.width / 2 - b.Label1.width / 2);
    b.Label1.top = single(b.corpo1.top - b.Label1.height - gap / 2);
    set_caption(b.Label2, form.text("th"), measure);
    b.Label2.left = single(right(b.corpo1) + gap);
    b.Label2.top = single(b.corpo1.top + b.corpo1.height / 2 - b.Label2.height / 2);
    set_caption(b.Label3, form.text("tb2"), measure);
    b.Label3.left = single(b.corpo2.left + b.corpo2.width / 2);
    b.Label3.top = single(bottom(b.corpo2) + gap);
    set_caption(b.Label4, form.text("th2"), measure);
    b.Label4.left = single(right(b.corpo2) + gap);
    b.Label4.top = single(b.corpo2.top + b.corpo2.height / 2 - b.Label4.height / 2);
}

void show_by_section_type(Board& b, bool tee, bool rectangle) {
    if (tee) {
        b.corpo1.visible = b.corpo2.visible = true;
        for (BoardElement* line : b.outline()) line->visible = true;
        b.corpo1.border = false;
        for (BoardElement* label : b.dimension_texts()) label->visible = true;
    } else if (rectangle) {
        b.corpo1.visible = true;
        b.corpo2.visible = false;
        for (BoardElement* line : b.outline()) line->visible = false;
        b.corpo1.border = true;
        b.Label1.visible = b.Label2.visible = true;
        b.Label3.visible = b.Label4.visible = false;
    }
}

// The axis spans the flange while it lies within it, else the web; at the flange's
// lower edge the web wins.
void draw_neutral_axis_and_compressed_zone(Board& b, float depth, bool rectangle) {
    b.linex.visible = true;
    b.linex.y1 = b.linex.y2 = single(b.corpo1.top + depth);
    if (depth <= b.corpo1.height) {
        b.linex.x1 = b.corpo1.left;
        b.linex.x2 = right(b.corpo1);
    }
    if (depth >= b.corpo1.height) {
        b.linex.x1 = b.corpo2.left;
        b.linex.x2 = right(b.corpo2);
    }

    b.trat1.visible = true;
    b.trat2.visible = !rectangle;
    b.trat1.left = b.corpo1.left;
    b.trat1.width = b.corpo1.width;
    b.trat1.top = b.corpo1.top;
    b.trat2.left = b.corpo2.left;
    b.trat2.width = b.corpo2.width;
    b.trat2.top = b.corpo2.top;
    if (depth <= b.corpo1.height) {
        b.trat1.height = single(b.linex.y1 - b.corpo1.top);
        b.trat2.visible = false;
    } else {
        b.trat1.height = b.corpo1.height;
        b.trat2.height = single(b.linex.y1 - b.corpo2.top);
    }
}

}  // namespace

std::string bar_list_text(const FieldSource& form, int layer) {
    std::string groups;
    for (int g = 1; g <= 3; ++g) {
        const std::string suffix = std::to_string(layer) + "a" + std::to_string(g);
        const std::string count = form.text("n" + suffix), diameter = form.text("f" + suffix);
        if (!count.empty() && !diameter.empty()) groups += "n°" + count + "Ø" + diameter + " ";
    }
    std::string list;
    for (std::size_t i = 0; i < groups.size(); ++i) list += i > 0 && groups[i] == 'n' ? std::string("+ n") : std::string(1, groups[i]);
    if (list.empty()) list = "(distinta ferri non definita)";
    return list + " =cmq " + form.text(layer_field("ta", layer));
}

void disegnasezione(const FieldSource& form, const AnalysisInput& in, AnalysisResults& results, Board& b,
                    const TextMeasure& measure) {
    b.fc.visible = true;
    show_bending_results(in, results);
    b.linex.visible = false;
    place_layer_blocks(b, layer_count_of(form.text("strati")));

    float b1 = field_number(form, "tb"), b2 = field_number(form, "tb2");
    float h1 = field_number(form, "th"), h2 = field_number(form, "th2");
    const bool tee = form.value("t") == 1, rectangle = form.value("rett") == 1;
    if ((tee && (b1 == 0 || b2 == 0 || h1 == 0 || h2 == 0)) || (rectangle && (b1 == 0 || h1 == 0))) {
        b.corpo1.visible = b.corpo2.visible = false;
        for (BoardElement* line : b.outline()) line->visible = false;
        for (BoardElement* label : b.dimension_texts()) label->visible = false;
        return;
    }

    // 0.55 of the board's width, exactly 4034.25 units.
    const float reach = Board::width * 0.55f;
    const float largest = std::max({b1, b2, single(h1 + h2)});
    b.scala = whole16(divide(reach, largest));
    b1 = single(b1 * b.scala);
    b2 = single(b2 * b.scala);
    h1 = single(h1 * b.scala);
    h2 = single(h2 * b.scala);

    b.corpo1.top = single(Board::height / 2 - (h1 + h2) / 2);
    b.corpo1.width = b1;
    b.corpo1.height = h1;
    b.corpo1.left = single(Board::width / 2 - b1 / 2);
    b.corpo2.width = b2;
    b.corpo2.height = h2;
    b.corpo2.left = single(Board::width / 2 - b2 / 2);
    b.corpo2.top = single(b.corpo1.top + h1);

    draw_outline(b);
    place_dimension_texts(form, b, measure);
    show_by_section_type(b, tee, rectangle);
    draw_neutral_axis_and_compressed_zone(b, single(b.scala * single(results.bending->neutral_axis)), rectangle);

    const auto lists = b.bar_lists();
    const auto captions = b.layer_captions();
    for (int i = 0; i < 4; ++i) {
        set_caption(*lists[i], bar_list_text(form, i + 1), measure);
        captions[i]->tip = lists[i]->text;
    }

    const int shear = form.value("Check5");
    if (shear == 0) b.Frame3.visible = false;
    if (shear == 1) b.Frame3.visible = true;
    disegnaferri(form, b);
}

void disegnaferri(const FieldSource& form, Board& b) {
    const auto circles = b.circles();
    for (BoardElement* circle : circles) circle->visible = false;
    std::array<float, 4> areas{};
    for (int i = 0; i < 4; ++i) {
        areas[i] = field_number(form, layer_field("ta", i + 1));
        circles[i]->visible = areas[i] > 0;
    }
    for (int i = 0; i < 4; ++i) {
        const float diameter = single(b.scala * square_root(1.273 * areas[i]));
        circles[i]->width = circles[i]->height = diameter;
        circles[i]->left = single(b.corpo1.left + b.corpo1.width / 2 - diameter / 2.0);
    }
    for (int i = 0; i < 4; ++i) {
        const float depth = field_number(form, layer_field("td", i + 1));
        circles[i]->top = single(b.corpo1.top + static_cast<double>(b.scala) * depth - circles[i]->height / 2.0);
    }

    const int layers = layer_count_of(form.text("strati"));
    if (layers > 0) {
        const auto blocks = b.layer_blocks();
        for (int i = 0; i < 4; ++i) blocks[i]->visible = i < layers;
    }
    const auto lists = b.bar_lists();
    for (int i = 0; i < 4; ++i) lists[i]->top = depth_line(*circles[i]);
    b.Frame1.visible = true;
}

}  // namespace norvexa
