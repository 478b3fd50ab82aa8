#include "project/project_commands.h"

#include <system_error>

#include "common/line_file.h"
#include "project/combination_block.h"
#include "project/project_file.h"

namespace norvexa {

ProjectCommands::ProjectCommands(Form1& form, Form3& title, AnalysisWindow& analysis,
                                 capacity::CombinationSet& combinations, Prompter& prompter, FileChooser& files)
    : form_(form),
      title_(title),
      analysis_(analysis),
      combinations_(combinations),
      prompter_(prompter),
      files_(files) {
    form_.hooks.nuovo = [this] { nuovo(); };
    form_.hooks.apri = [this] { apri(); };
    form_.hooks.salva = [this] { salva(); };
}

bool ProjectCommands::save_first(const std::string& title) {
    if (!form_.salvaconnome) return true;
    const Answer answer =
        prompter_.ask({"Salvare le modifiche apportate a " + title_bar + "?", Icon::none, Buttons::yes_no_cancel, title});
    if (answer == Answer::cancel) return false;
    if (answer == Answer::no) return true;
    CommonDialog1.file_name = title_bar;
    return salva();
}

void ProjectCommands::nuovo() {
    ++revision;
    if (!save_first("Attenzione")) return;
    CommonDialog1.file_name.clear();
    current_file_.clear();
    title_bar = untitled_project;
    title_.remember_title();
    title_.select_title();
    form_.reload();
    analysis_.reload();
    combinations_ = {};
    if (close_report) close_report();
    title_.type_title("(TITOLO PROGETTO)");
    form_.salvaconnome = false;
}

void ProjectCommands::apri() {
    ++revision;
    if (!save_first("Attenzione")) return;
    const auto chosen = files_.choose_open(CommonDialog1);
    if (!chosen || chosen->empty()) return;
    open_project(*chosen);
}

bool ProjectCommands::salva() {
    ++revision;
    // A bare name (the title bar's text) stands for the project's own file; a project
    // that has no file yet is always saved through the dialog, never to a guessed place.
    std::filesystem::path target = CommonDialog1.file_name;
    if (!target.empty() && !target.has_parent_path())
        target = current_file_.empty() ? std::filesystem::path{} : current_file_.parent_path() / target;
    if (target.empty()) {
        const auto chosen = files_.choose_save(CommonDialog1);
        if (!chosen) {
            CommonDialog1.file_name = title_bar;
            return false;
        }
        CommonDialog1.file_name = *chosen;
        if (chosen->empty()) return false;
        std::error_code ignored;
        if (std::filesystem::exists(*chosen, ignored) &&
            prompter_.ask({"Sovrascrivere il file " + *chosen + "?", Icon::none, Buttons::yes_no, "Salva con nome"}) !=
                Answer::yes)
            return false;
        target = *chosen;
    }
    return write_project(target);
}

bool ProjectCommands::salva_con_nome() {
    CommonDialog1.file_name.clear();
    return salva();
}

bool ProjectCommands::ESCI() {
    ++revision;
    return save_first("Chiusura di Norvexa");
}

bool ProjectCommands::write_project(const std::filesystem::path& path) {
    std::vector<std::string> lines = project_lines(form_, title_);
    auto unstorable = first_unstorable_character(lines);
    if (!unstorable) unstorable = first_unstorable_name(combinations_);
    if (unstorable) {
        const Message question{unstorable->field + " contiene il carattere " + quoted_character(unstorable->character) +
                                   ", che il file di progetto non può contenere: sarà salvato come «?». Salvare comunque?",
                               Icon::warning, Buttons::yes_no, "Attenzione"};
        if (prompter_.ask(question) != Answer::yes) return false;
    }
    for (std::string& line : combination_block(combinations_)) lines.push_back(std::move(line));
    if (!write_lines(path, lines)) {
        show_invalid_file({});
        return false;
    }
    current_file_ = path;
    CommonDialog1.file_name = path.string();
    title_bar = path.filename().string();
    form_.salvaconnome = false;
    return true;
}

bool ProjectCommands::open_project(const std::filesystem::path& path) {
    ++revision;
    CommonDialog1.file_name = path.string();
    const auto lines = read_lines(path);
    open_failure.clear();
    if (!lines) open_failure = "impossibile leggere il file " + path.string();
    else if (lines->empty() || lines->front() != project_marker)
        open_failure = "la prima riga non è \"" + std::string(project_marker) + "\"";
    if (!open_failure.empty()) {
        show_invalid_file(open_failure);
        CommonDialog1.file_name.clear();
        return false;
    }
    title_bar = path.filename().string();
    if (const ProjectRestore restored = restore_project(form_, title_, *lines); !restored) {
        open_failure = restored.failure;
        show_invalid_file(open_failure);
        CommonDialog1.file_name.clear();
        form_.salvaconnome = false;
        nuovo();
        return false;
    }
    analysis_.reload();
    if (close_report) close_report();
    current_file_ = path;
    form_.salvaconnome = false;
    auto block = read_combination_block(*lines);
    if (auto* combinations = std::get_if<capacity::CombinationSet>(&block)) {
        combinations_ = std::move(*combinations);
    } else {
        combinations_ = {};
        const std::string message = bad_block_message(std::get<capacity::BadLine>(block));
        prompter_.ask({message, Icon::warning, Buttons::ok, "Attenzione"});
    }
    return true;
}

void ProjectCommands::show_invalid_file(const std::string& reason) {
    prompter_.ask({"File non valido", Icon::critical, Buttons::ok, "Attenzione", reason});
}

}  // namespace norvexa
