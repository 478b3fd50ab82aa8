#include "verify_cli.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <set>
#include <system_error>

#include "capacity/code_key.h"
#include "capacity/verification.h"
#include "common/json.h"
#include "common/line_file.h"
#include "common/numbers.h"
#include "common/program_folder.h"
#include "drawing/board_json.h"
#include "drawing/board_svg.h"
#include "input/form1.h"
#include "project/project_commands.h"
#include "report/combination_report.h"
#include "report/report_source.h"
#include "shell/program.h"
#include "verify_combinations.h"

namespace norvexa {
namespace {

const char* const usage =
    "uso: norvexa-verify [--json] [--svg FILE] (PROGETTO.nvx | NOME=TESTO ...)\n"
    "  stampa la relazione di calcolo; --json: risultati, controlli, disegno e relazione in JSON;\n"
    "  --svg FILE: scrive il disegno della sezione come immagine SVG\n"
    "  PROGETTO.nvx: un progetto salvato, aperto con i materiali della libreria\n"
    "  NOME: un controllo della finestra di input (tb th tb2 th2 t rett strati ta1..ta4 td1..td4\n"
    "        n1a1..n4a3 f1a1..f4a3 nbr dst passo ast Check5 TMS TVS sl1 sl2 rettang toller\n"
    "        File1 File2 con1..con9 stl1..stl7 Text1); t, rett, Check5: 1 o 0\n"
    "     norvexa-verify [--json] [--norma dm96|ntc2018] [--combinazioni FILE.csv] [--dominio FILE.csv]\n"
    "                    [--cot-theta VALORE] (PROGETTO.nvx | NOME=TESTO ...)\n"
    "  aggiunge la verifica a pressoflessione della sezione della finestra di input:\n"
    "  --combinazioni FILE.csv: le combinazioni, righe nome;NEd;MEd;VEd (kN, kNm, virgola decimale),\n"
    "        al posto di quelle del progetto; --norma: la norma (senza, quella del progetto o ntc2018);\n"
    "  --dominio FILE.csv: scrive il dominio M-N come righe N;M (kN, kNm)\n"
    "  --cot-theta VALORE: ctg dell'inclinazione delle bielle a taglio (NTC 2018), da 1 a 2,5 o automatico\n"
    "     norvexa-verify [--ambiente ordinario|aggressivo|molto-aggressivo] [--n VALORE] [--kt VALORE] ...\n"
    "  le verifiche in esercizio (NTC 2018) delle righe RARA, FREQ e QP (quinta colonna del file\n"
    "  delle combinazioni): ambiente, coefficiente di omogeneizzazione n, fattore kt\n";

// Controls whose state is their value rather than their text.
bool holds_value(ControlKind kind) {
    return kind == ControlKind::option_button || kind == ControlKind::check_box || kind == ControlKind::slider ||
           kind == ControlKind::tab_panel;
}

// A slider's read-out given as a caption: a value the slider cannot set would let the
// search run with a strip height or a tolerance the form never offers. The value is
// read as the run reads it: the strip height as a locale number (a text that is no
// number is left to the run, which refuses it with its own message), the tolerance as
// its leading number.
std::string read_out_problem(const Form1& form, const std::string& name, const std::string& text) {
    const bool strip = name == "rettang";
    if (!strip && name != "toller") return {};
    const ControlInfo& slider = form.info(strip ? "sl1" : "sl2");
    const double positions_per_unit = strip ? 10 : 1;
    const double lowest = slider.minimum / positions_per_unit, highest = slider.maximum / positions_per_unit;
    const std::optional<double> value = strip ? locale_double(text) : std::optional(leading_number(text));
    if (!value || (*value >= lowest && *value <= highest)) return {};
    return std::string(strip ? "altezza della striscia" : "tolleranza") + " fuori dall'intervallo del cursore (da " +
           to_text(lowest) + " a " + to_text(highest) + (strip ? " mm" : "") + "): " + text;
}

// Sends one NAME=TEXT to the form as the user would; an error text when it cannot.
std::string apply(Form1& form, Form3& title, const std::string& arg) {
    const auto equals = arg.find('=');
    const std::string name = arg.substr(0, equals), text = arg.substr(equals + 1);
    if (name == "Text1") {
        title.type_title(text);
        return {};
    }
    Control* control = form.find(name);
    if (!control) return "controllo sconosciuto: " + name;
    if (!form.usable(name)) return "controllo disabilitato o nascosto: " + name;
    const ControlKind kind = form.info(name).kind;
    if (kind == ControlKind::label) {
        if (std::string problem = read_out_problem(form, name, text); !problem.empty()) return problem;
        control->text = text;
        return {};
    }
    if (kind == ControlKind::slider) {
        const auto position = read_file_number(text);
        if (!position || !form.move_slider(name, *position)) return "posizione non valida per " + name;
        return {};
    }
    if (kind == ControlKind::option_button || kind == ControlKind::check_box) {
        if (text != "0" && text != "1") return "valore non valido per " + name + " (1 o 0)";
        const int wanted = text == "1";
        if (control->value == wanted) return {};
        if (kind == ControlKind::option_button && wanted == 0)
            return "un'opzione si deseleziona scegliendo l'altra: " + name;
        form.click(name);
        return {};
    }
    if (kind == ControlKind::choice_list || kind == ControlKind::file_list)
        return form.choose(name, text) ? std::string{} : "voce non presente nella lista di " + name + ": " + text;
    if (!form.type(name, text)) return "il controllo non accetta testo: " + name;
    form.leave(name);
    return {};
}

// The absolute path with every link and "." or ".." resolved, as far as it exists.
std::filesystem::path resolved(const std::filesystem::path& path, std::error_code& error) {
    const auto target = link_target(path, error);
    if (error) return {};
    const auto absolute = std::filesystem::absolute(target, error);
    return error ? std::filesystem::path{} : std::filesystem::weakly_canonical(absolute, error);
}

bool lies_within(const std::filesystem::path& path, const std::filesystem::path& folder) {
    const auto [end_of_folder, ignored] = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
    return end_of_folder == folder.end();
}

// The files a run reads, which no output may replace.
struct Inputs {
    std::vector<std::string> projects;
    std::optional<std::string> combinations;
};

// Why the option's file may not be written to the target, or empty when it may: the
// project or the combinations being read, any file of the program folder and anything
// that is not a regular file are refused, so that no project, material, setting or
// device is overwritten.
std::string output_problem(const std::string& option, const std::filesystem::path& target, const Inputs& inputs) {
    std::error_code error;
    const auto file = resolved(target, error);
    if (error) return "percorso non valido per " + option + ": " + target.string();
    const std::string named = option + " " + target.string();
    if (std::filesystem::exists(file, error) && !std::filesystem::is_regular_file(file, error))
        return named + ": non è un file normale";
    for (const std::string& project : inputs.projects)
        if (std::filesystem::equivalent(file, project, error)) return named + ": è il progetto che si sta leggendo";
    if (inputs.combinations && std::filesystem::equivalent(file, *inputs.combinations, error))
        return named + ": è il file delle combinazioni che si sta leggendo";
    const auto folder = resolved(program_folder(), error);
    if (error) return "cartella del programma non valida: " + program_folder().string();
    if (lies_within(file, folder)) return named + ": è nella cartella del programma";
    return {};
}

// Whether every verdict the run performed holds: bending, and with shear the struts,
// the stirrup spacing and Vrd3 against Vsd; then every combination verified, in bending
// and shear or in service, and every detailing rule met.
bool verdicts_hold(const AnalysisResults& r, const std::optional<capacity::Verification>& verification) {
    if (!r.bending || !r.bending->holds()) return false;
    if (r.shear && !(r.shear->struts_hold() && r.shear->spacing_holds() && r.shear->holds())) return false;
    if (!verification) return true;
    const auto& v = *verification;
    // A service row has its checks where an ultimate one has its result.
    for (std::size_t i = 0; i < v.results.size(); ++i)
        if (v.service[i] ? !v.service[i]->verified() : !v.results[i].verified) return false;
    return std::all_of(v.shear.begin(), v.shear.end(), [](const auto& shear) { return !shear || shear->verified(); }) &&
           std::all_of(v.detailing.begin(), v.detailing.end(), [](const auto& check) { return check.ok; });
}

void print_message(const Message& m, std::ostream& out) {
    out << "{\"text\": " << json_string(m.text) << ", \"title\": " << json_string(m.title)
        << ", \"icon\": " << json_string(icon_name(m.icon)) << "}";
}

// The --json object; the members of a verification of the combinations, when given, last.
void print_json(const Form1& form, const Form3& title, const AnalysisWindow& analysis,
                const std::vector<std::string>& report, const std::vector<Message>& run_messages,
                const std::string& combinations, std::ostream& out) {
    const AnalysisResults& results = analysis.results;
    out << "{\"results\": {";
    const char* separator = "";
    for (const auto& [name, label] : results.labels()) {
        out << separator << json_string(name) << ": " << json_string(label->text);
        separator = ", ";
    }
    out << "}, \"form\": {\"Text1\": " << json_string(title.text());
    for (const ControlRow& row : form.rows())
        out << ", " << json_string(row.name) << ": "
            << json_string(holds_value(row.info.kind) ? std::to_string(row.control->value) : row.control->text);
    out << "}, \"controls\": {";
    separator = "";
    for (const ControlRow& row : form.rows()) {
        const Control* c = row.control;
        out << separator << json_string(row.name) << ": {\"text\": " << json_string(c->text) << ", \"items\": [";
        for (std::size_t i = 0; i < c->items.size(); ++i) out << (i ? ", " : "") << json_string(c->items[i]);
        out << "], \"enabled\": " << (c->enabled ? "true" : "false") << ", \"visible\": "
            << (c->visible ? "true" : "false") << ", \"back\": " << c->back << ", \"value\": " << c->value << "}";
        separator = ", ";
    }
    out << "}, \"board\": " << board_json(analysis.board) << ", \"report\": [";
    for (std::size_t i = 0; i < report.size(); ++i) out << (i ? ", " : "") << json_string(report[i]);
    out << "], \"message\": ";
    if (run_messages.empty()) out << "null";
    else print_message(run_messages.back(), out);
    if (!combinations.empty()) out << ", " << combinations;
    out << "}\n";
}

}  // namespace

int run_verify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    const FixedTextMeasure measure;
    HeadlessDesktop desktop(prompter, files, measure);
    Program program(desktop);
    Form1& form = program.form;
    Form3& title = program.title;
    AnalysisWindow& analysis = program.analysis;
    ProjectCommands& project = program.project;
    // Without a material library the verifier still works on the form's materials.
    program.load(Form1::MissingFolders::go_on);

    bool json = false;
    std::optional<std::string> svg_file, domain_file;
    std::optional<capacity::Code> code;
    std::optional<double> cot_theta;
    bool chosen_cot = false;
    std::optional<capacity::Environment> environment;
    std::optional<double> n, kt;
    Inputs inputs;
    std::vector<std::string>& projects = inputs.projects;
    std::vector<std::string> fields;
    for (auto arg = args.begin(); arg != args.end(); ++arg) {
        if (*arg == "--help" || *arg == "-h") {
            out << usage;
            return exit_holds;
        }
        if (*arg == "--json") json = true;
        else if (*arg == "--svg" && std::next(arg) != args.end()) svg_file = *++arg;
        else if (*arg == "--combinazioni" && std::next(arg) != args.end()) inputs.combinations = *++arg;
        else if (*arg == "--dominio" && std::next(arg) != args.end()) domain_file = *++arg;
        else if (*arg == "--cot-theta" && std::next(arg) != args.end()) {
            const std::string& typed = *++arg;
            if (typed != "automatico") {
                cot_theta = action_number(typed);
                if (!capacity::allowed_cot_theta(cot_theta)) {
                    err << "ctg theta non valida: " << typed << " (da 1 a 2,5, o automatico)\n" << usage;
                    return exit_usage;
                }
            }
            chosen_cot = true;
        }
        else if (*arg == "--ambiente" && std::next(arg) != args.end()) {
            environment = capacity::environment_of_key(*++arg);
            if (!environment) {
                err << "ambiente sconosciuto: " << *arg << " (ordinario, aggressivo o molto-aggressivo)\n" << usage;
                return exit_usage;
            }
        }
        else if ((*arg == "--n" || *arg == "--kt") && std::next(arg) != args.end()) {
            const std::string& option = *arg;
            const std::optional<double> value = action_number(*++arg);
            const bool is_n = option == "--n";
            if (!capacity::allowed_setting(is_n ? capacity::ServiceSetting::n : capacity::ServiceSetting::kt, value)) {
                err << option.substr(2) << " non valido: " << *arg
                    << (is_n ? " (un numero da 1 a 100)\n" : " (un numero maggiore di 0 e fino a 1)\n") << usage;
                return exit_usage;
            }
            (is_n ? n : kt) = value;
        }
        else if (*arg == "--norma" && std::next(arg) != args.end()) {
            code = capacity::code_of_key(*++arg);
            if (!code) {
                err << "norma sconosciuta: " << *arg << " (dm96 o ntc2018)\n" << usage;
                return exit_usage;
            }
        }
        else if (arg->find('=') != std::string::npos) fields.push_back(*arg);
        else if (arg->rfind("--", 0) != 0) projects.push_back(*arg);
        else {
            err << "opzione sconosciuta: " << *arg << '\n' << usage;
            return exit_usage;
        }
    }
    if (projects.size() > 1 || (!projects.empty() && !fields.empty())) {
        err << "un solo progetto, oppure campi NOME=TESTO\n" << usage;
        return exit_usage;
    }

    for (const auto& [option, file] : {std::pair{"--svg", svg_file}, {"--dominio", domain_file}}) {
        if (!file) continue;
        if (const std::string problem = output_problem(option, *file, inputs); !problem.empty()) {
            err << problem << '\n';
            return exit_usage;
        }
    }
    std::optional<std::vector<capacity::Combination>> combinations_read;
    if (inputs.combinations) {
        auto read = read_combinations_file(*inputs.combinations);
        if (const auto* problem = std::get_if<std::string>(&read)) {
            err << *problem << '\n' << usage;
            return exit_usage;
        }
        combinations_read = std::get<std::vector<capacity::Combination>>(std::move(read));
    }

    auto report_messages = [&] {
        for (const Message& m : prompter.shown) err << m.title << ": " << m.text << '\n';
        prompter.shown.clear();
    };
    if (!projects.empty()) {
        const bool opened = project.open_project(projects.front());
        report_messages();
        if (!opened) {
            err << project.open_failure << '\n';
            return exit_message;
        }
    }
    for (const std::string& arg : fields) {
        const std::string error = apply(form, title, arg);
        report_messages();
        if (!error.empty()) {
            err << error << '\n' << usage;
            return exit_usage;
        }
    }

    // A project's own combinations are verified unless a file gives others.
    capacity::CombinationSet& combinations = program.combinations;
    if (combinations_read) combinations.rows = std::move(*combinations_read);
    if (code) combinations.code = *code;
    if (chosen_cot) combinations.cot_theta = cot_theta;
    if (environment) combinations.service.environment = *environment;
    if (n) combinations.service.n = *n;
    if (kt) combinations.service.kt = *kt;
    const bool verifies_combinations = !combinations.rows.empty() || inputs.combinations || domain_file;

    form.Command1_Click();
    bool refused = !prompter.shown.empty();
    std::vector<std::string> report =
        refused ? std::vector<std::string>{} : report_lines(report_data(title.text(), analysis));
    std::optional<capacity::Verification> verification;
    if (!refused && verifies_combinations) {
        auto verified = capacity::verify_form(form, combinations);
        if (const auto* problem = std::get_if<std::string>(&verified)) {
            prompter.ask({*problem, Icon::warning, Buttons::ok, "Attenzione"});
            refused = true;
        } else {
            verification = std::get<capacity::Verification>(std::move(verified));
            for (std::string& line : combination_report_lines(combinations, *verification))
                report.push_back(std::move(line));
        }
    }
    if (json)
        print_json(form, title, analysis, report, prompter.shown,
                   verification ? combinations_json(combinations, *verification) : std::string{}, out);
    else
        for (const std::string& line : report) out << line << '\n';
    report_messages();
    if (svg_file && !write_file(*svg_file, board_svg(analysis.board))) {
        err << "impossibile scrivere il file " << *svg_file << '\n';
        return exit_message;
    }
    if (verification && domain_file && !write_file(*domain_file, domain_text(*verification))) {
        err << "impossibile scrivere il file " << *domain_file << '\n';
        return exit_message;
    }

    if (refused) return exit_message;
    return verdicts_hold(analysis.results, verification) ? exit_holds : exit_fails;
}

}  // namespace norvexa
