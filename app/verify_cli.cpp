#include "verify_cli.h"

#include <ostream>
#include <set>

#include "analysis/field_map.h"
#include "analysis/section_analysis.h"
#include "common/json.h"

namespace norvexa {
namespace {

const std::set<std::string, std::less<>> text_controls = {
    "tb",  "th",  "tb2", "th2", "strati", "ta1", "ta2", "ta3", "ta4", "td1",  "td2",  "td3",  "td4",
    "nbr", "dst", "passo", "ast", "TMS", "TVS", "rettang", "toller", "con1", "con2", "con3", "con4",
    "con5", "con6", "con7", "con8", "con9", "stl1", "stl2", "stl3", "stl4", "stl5", "stl6", "stl7",
};
const std::set<std::string, std::less<>> value_controls = {"rett", "t", "Check5"};

const char* const usage =
    "uso: norvexa-verify [--json] NOME=TESTO ...\n"
    "  NOME: tb th tb2 th2 t rett strati ta1..ta4 td1..td4 nbr dst passo ast Check5\n"
    "        TMS TVS rettang toller con1..con9 stl1..stl7 (t, rett, Check5: 1 o 0)\n";

bool apply(FieldMap& form, const std::string& arg, std::ostream& err) {
    const auto equals = arg.find('=');
    if (equals == std::string::npos) {
        err << "argomento non valido: " << arg << '\n';
        return false;
    }
    const std::string name = arg.substr(0, equals), text = arg.substr(equals + 1);
    if (text_controls.count(name)) {
        form.set_text(name, text);
        return true;
    }
    if (value_controls.count(name) && (text == "0" || text == "1")) {
        const int value = text == "1";
        form.set_value(name, value);
        // The shape options are exclusive: choosing one clears the other.
        if (value == 1 && name == "t") form.set_value("rett", 0);
        if (value == 1 && name == "rett") form.set_value("t", 0);
        return true;
    }
    err << (value_controls.count(name) ? "valore non valido per " : "controllo sconosciuto: ") << name << '\n';
    return false;
}

void print_json(const FieldMap& form, const AnalysisResults& results, const ScriptedPrompter& prompter,
                std::ostream& out) {
    out << "{\"results\": {";
    const char* separator = "";
    for (const auto& [name, label] : results.labels()) {
        out << separator << json_string(name) << ": " << json_string(label->text);
        separator = ", ";
    }
    out << "}, \"form\": {";
    separator = "";
    for (const auto& [name, control] : form.controls) {
        const bool valued = value_controls.count(name) > 0;
        if (!valued && !text_controls.count(name)) continue;
        out << separator << json_string(name) << ": "
            << json_string(valued ? std::to_string(control.value) : control.text);
        separator = ", ";
    }
    out << "}, \"message\": ";
    if (prompter.shown.empty()) {
        out << "null";
    } else {
        const Message& m = prompter.shown.back();
        out << "{\"text\": " << json_string(m.text) << ", \"title\": " << json_string(m.title)
            << ", \"icon\": " << json_string(icon_name(m.icon)) << "}";
    }
    out << "}\n";
}

}  // namespace

int run_verify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool json = false;
    FieldMap form = FieldMap::with_start_values();
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (arg == "--help" || arg == "-h") {
            out << usage;
            return exit_holds;
        } else if (!apply(form, arg, err)) {
            err << usage;
            return exit_usage;
        }
    }

    ScriptedPrompter prompter;
    AnalysisInput input;
    AnalysisResults results;
    SectionAnalysis analysis(form, prompter, input, results);
    analysis.variabili();
    form.set_mouse_pointer(default_pointer);

    if (json) {
        print_json(form, results, prompter, out);
    } else if (prompter.shown.empty()) {
        for (const auto& [name, label] : results.labels()) out << name << ' ' << label->text << '\n';
    }
    for (const Message& m : prompter.shown) err << m.title << ": " << m.text << '\n';

    if (!prompter.shown.empty()) return exit_message;
    const bool bending = results.vf.text == "Flessione verificata";
    const bool shear = form.value("Check5") == 0 || results.lvtaglio.text == "Taglio verificato";
    return bending && shear ? exit_holds : exit_fails;
}

}  // namespace norvexa
