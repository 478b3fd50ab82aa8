#include "drawing/board_json.h"

#include "common/json.h"

namespace norvexa {
namespace {

using Kind = BoardElement::Kind;

std::string field(const char* name, float value) { return std::string(", \"") + name + "\": " + json_number(value); }

std::string element_json(const BoardElement& e) {
    std::string out = "{\"visible\": " + std::string(e.visible ? "true" : "false");
    if (e.kind == Kind::line) out += field("x1", e.x1) + field("y1", e.y1) + field("x2", e.x2) + field("y2", e.y2);
    else out += field("left", e.left) + field("top", e.top) + field("width", e.width) + field("height", e.height);
    if (e.kind == Kind::label || !e.text.empty()) out += ", \"text\": " + json_string(e.text);
    if (!e.tip.empty()) out += ", \"tip\": " + json_string(e.tip);
    out += ", \"fore\": " + std::to_string(e.fore);
    if (e.filled) out += ", \"back\": " + std::to_string(e.back);
    if (e.kind == Kind::rectangle || e.kind == Kind::label) out += std::string(", \"border\": ") + (e.border ? "true" : "false");
    return out + "}";
}

}  // namespace

std::string board_json(const Board& board) {
    std::string out = "{\"scala\": " + std::to_string(board.scala);
    for (const auto& [name, e] : board.elements()) out += ", " + json_string(name) + ": " + element_json(*e);
    return out + "}";
}

}  // namespace norvexa
