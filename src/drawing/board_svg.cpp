#include "drawing/board_svg.h"

#include <cstdio>

#include "common/json.h"

namespace norvexa {
namespace {

constexpr float text_size = 165;  // about 8 points

std::string colour(Colour c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return text;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string n(float value) { return json_number(value); }

std::string box(const BoardElement& e) {
    return "x=\"" + n(e.left) + "\" y=\"" + n(e.top) + "\" width=\"" + n(e.width) + "\" height=\"" + n(e.height) + "\"";
}

std::string rectangle(const BoardElement& e, bool fill, bool stroke, float stroke_width = 15) {
    return "<rect " + box(e) + " fill=\"" + (fill ? colour(e.back) : "none") + "\" stroke=\"" +
           (stroke ? colour(e.fore) : "none") + "\" stroke-width=\"" + n(stroke_width) + "\"/>\n";
}

std::string line(const BoardElement& e) {
    return "<line x1=\"" + n(e.x1) + "\" y1=\"" + n(e.y1) + "\" x2=\"" + n(e.x2) + "\" y2=\"" + n(e.y2) +
           "\" stroke=\"" + colour(e.fore) + "\" stroke-width=\"15\"/>\n";
}

std::string circle(const BoardElement& e) {
    return "<circle cx=\"" + n(e.left + e.width / 2) + "\" cy=\"" + n(e.top + e.height / 2) + "\" r=\"" +
           n(e.width / 2) + "\" fill=\"none\" stroke=\"" + colour(e.fore) + "\" stroke-width=\"30\"/>\n";
}

std::string label(const BoardElement& e) {
    std::string out;
    if (e.filled || e.border) out += rectangle(e, e.filled, e.border);
    return out + "<text x=\"" + n(e.left + 15) + "\" y=\"" + n(e.top + e.height * 0.75f) + "\" fill=\"" +
           colour(e.fore) + "\">" + escaped(e.text) + "</text>\n";
}

}  // namespace

std::string board_svg(const Board& b) {
    const std::string width = n(Board::width), height = n(Board::height);
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + n(Board::width / 7.5f) + "\" height=\"" +
                      n(Board::height / 7.5f) + "\" xml:space=\"preserve\" viewBox=\"0 0 " + width + " " + height + "\" font-family=\"" +
                      "MS Sans Serif, Liberation Sans, sans-serif\" font-size=\"" + n(text_size) + "\">\n";
    out += "<rect x=\"0\" y=\"0\" width=\"" + width + "\" height=\"" + height + "\" fill=\"#ffffff\"/>\n";
    out += rectangle(b.Shape7, false, true);
    for (const BoardElement* zone : {&b.trat1, &b.trat2})
        if (zone->visible) out += rectangle(*zone, true, false);
    if (b.corpo1.visible && b.corpo1.border) out += rectangle(b.corpo1, false, true);
    for (const BoardElement* e : {&b.LB1, &b.LB2, &b.LH1S, &b.LH1D, &b.LB1S, &b.LB1D, &b.LH2S, &b.LH2D, &b.linex})
        if (e->visible) out += line(*e);
    const BoardElement* const circles[] = {&b.still1, &b.still2, &b.still3, &b.still4};
    for (const BoardElement* e : circles)
        if (e->visible) out += circle(*e);
    for (const BoardElement* e : {&b.Label1, &b.Label2, &b.Label3, &b.Label4, &b.Label28})
        if (e->visible) out += label(*e);
    const BoardElement* const lists[] = {&b.listar1, &b.listar2, &b.listar3, &b.listar4};
    for (int i = 0; i < 4; ++i)
        if (circles[i]->visible) out += label(*lists[i]);
    return out + "</svg>\n";
}

}  // namespace norvexa
