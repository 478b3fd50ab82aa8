#include "project/project_file.h"

#include <array>
#include <optional>

#include "common/line_file.h"
#include "common/numbers.h"
#include "materials/material_files.h"

namespace norvexa {
namespace {

enum class Kind { title, concrete, steel, flag, text, integer };

struct Line {
    Kind kind;
    std::string name;  // the control's name on the input form
};

const std::vector<Line>& layout() {
    static const std::vector<Line> lines = [] {
        std::vector<Line> l{{Kind::title, "Text1"}, {Kind::concrete, "con1"}, {Kind::steel, "stl1"},
                            {Kind::flag, "rett"},   {Kind::flag, "t"}};
        for (const char* name : {"tb", "th", "tb2", "th2", "strati", "ta1", "ta2", "ta3", "ta4", "td1", "td2", "td3",
                                 "td4", "nbr", "dst", "passo"})
            l.push_back({Kind::text, name});
        l.push_back({Kind::integer, "Check5"});
        l.push_back({Kind::text, "TMS"});
        l.push_back({Kind::text, "TVS"});
        l.push_back({Kind::integer, "sl1"});
        l.push_back({Kind::integer, "sl2"});
        for (int layer = 1; layer <= 4; ++layer)
            for (const char* stem : {"n", "f"})
                for (int group = 1; group <= 3; ++group)
                    l.push_back({Kind::text, stem + std::to_string(layer) + "a" + std::to_string(group)});
        return l;
    }();
    return lines;
}

std::optional<bool> read_flag(const std::string& line) {
    if (line == "True") return true;
    if (line == "False") return false;
    return std::nullopt;
}

// One line into its control, as the user would set it; false when the control refuses it.
bool restore_line(Form1& form, Form3& title, const Line& line, const std::string& text) {
    switch (line.kind) {
        case Kind::title: title.type_title(text); return true;
        case Kind::concrete:
        case Kind::steel: return true;  // read once the fields are in
        case Kind::flag: {
            const auto on = read_flag(text);
            if (!on) return false;
            if (*on) form.click(line.name);
            else form.find(line.name)->value = 0;
            return true;
        }
        case Kind::integer: {
            const auto number = read_file_number(text);
            if (!number) return false;
            if (line.name != "Check5") return form.move_slider(line.name, *number);
            if (*number != 0 && *number != 1) return false;
            if (form.value("Check5") != *number) form.click("Check5");
            return true;
        }
        case Kind::text: {
            if (line.name == "strati") return form.choose("strati", text);
            const int refused = form.refused_entries;
            form.set_text(*form.find(line.name), text);
            return form.refused_entries == refused;
        }
    }
    return false;
}

std::string material_failure(Form1& form, MaterialKind kind, const std::string& name) {
    if (form.take_material(kind, name)) return {};
    return "impossibile leggere il materiale " + (material_folder(kind) / name).string();
}

}  // namespace

std::vector<std::string> project_lines(const Form1& form, const Form3& title) {
    std::vector<std::string> lines{project_marker};
    for (const Line& line : layout()) {
        switch (line.kind) {
            case Kind::title: lines.push_back(title.text()); break;
            case Kind::flag: lines.push_back(form.value(line.name) ? "True" : "False"); break;
            case Kind::integer: lines.push_back(file_number(form.value(line.name))); break;
            default: lines.push_back(form.text(line.name));
        }
    }
    return lines;
}

std::optional<UnstorableCharacter> first_unstorable_character(const std::vector<std::string>& lines) {
    const std::vector<Line>& fields = layout();
    for (std::size_t i = 0; i < fields.size() && i + 1 < lines.size(); ++i) {
        const auto character = first_unstorable(lines[i + 1]);
        if (!character) continue;
        switch (fields[i].kind) {
            case Kind::title: return UnstorableCharacter{"Il titolo del progetto", *character};
            case Kind::concrete: return UnstorableCharacter{"Il nome del calcestruzzo", *character};
            case Kind::steel: return UnstorableCharacter{"Il nome dell'acciaio", *character};
            default: return UnstorableCharacter{"Il campo " + fields[i].name, *character};
        }
    }
    return std::nullopt;
}

ProjectRestore restore_project(Form1& form, Form3& title, const std::vector<std::string>& lines) {
    const std::vector<Line>& fields = layout();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i + 1 >= lines.size())
            return {"il file finisce alla riga " + std::to_string(lines.size()) + " invece della " +
                    std::to_string(project_line_count)};
        const std::string& text = lines[i + 1];
        const std::string where = "riga " + std::to_string(i + 2) + " (" + fields[i].name + ")";
        if (!restore_line(form, title, fields[i], text)) return {where + ": valore non accettato: " + text};
        if (fields[i].name == "t" && form.value("rett") == 0 && form.value("t") == 0)
            return {where + ": nessuna forma della sezione scelta"};
    }
    for (int layer = 0; layer < 4; ++layer)
        if (!form.show_group_areas(layer))
            return {"strato " + std::to_string(layer + 1) + ": area di un gruppo di barre fuori misura"};
    std::string failure = material_failure(form, MaterialKind::concrete, lines[2]);
    if (failure.empty()) failure = material_failure(form, MaterialKind::steel, lines[3]);
    return {failure};
}

}  // namespace norvexa
