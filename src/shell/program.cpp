#include "shell/program.h"

#include <filesystem>
#include <system_error>

#include "report/report_source.h"
#include "report/report_text.h"
#include "shell/print_dress.h"

namespace norvexa {

Program::Program(Prompter& prompter, FileChooser& files, const TextMeasure& measure)
    : analysis(measure),
      form(title, analysis, prompter, help),
      project(form, title, analysis, prompter, files),
      steel_library(MaterialKind::steel, form, prompter),
      concrete_library(MaterialKind::concrete, form, prompter),
      prompter_(prompter),
      files_(files) {
    // The input form's buttons run the menu commands of the same name.
    form.hooks.stampa = [this] { run_menu("printis"); };
    form.hooks.Relazione = [this] { run_menu("Relazione"); };
    form.hooks.guidanon = [this] { run_menu("sov"); };
    form.hooks.kalk = [this] { run_menu("calcolatrice"); };
    form.hooks.show_steel_library = [this] { run_menu("acc"); };
    form.hooks.show_concrete_library = [this] { run_menu("cls"); };
}

Form1::Load Program::load(Form1::MissingFolders missing, int input_form_width) {
    const Form1::Load loaded = form.Form_Load(missing);
    analysis.Form_Load(static_cast<float>(title.height), static_cast<float>(input_form_width));
    return loaded;
}

std::function<void()> Program::command(std::string_view name) {
    if (name == "nuovo") return [this] { project.nuovo(); };
    if (name == "apri") return [this] { project.apri(); };
    if (name == "sav") return [this] { project.salva(); };
    if (name == "sconnome") return [this] { project.salva_con_nome(); };
    if (name == "e") return [this] { ESCI(); };
    if (name == "printis" && printer) return [this] { stampa(); };
    if (name == "pdf" && printer) return [this] { esporta_pdf(); };
    if (name == "Relazione" && show_report) return [this] { Relazione(); };
    if (name == "color" && show_settings) return [this] { show_settings(); };
    if (name == "acc") return [this] { open_library(MaterialKind::steel); };
    if (name == "sov" && show_help) return [this] { show_help(false); };
    if (name == "guida" && show_help) return [this] { show_help(true); };
    if (name == "dm96" && show_standards) return [this] { show_standards(); };
    if (name == "info" && show_information) return [this] { show_information(); };
    if (name == "calcolatrice" && starter) return [this] { kalk(*starter, prompter_); };
    if (name == "cls") return [this] { open_library(MaterialKind::concrete); };
    return {};
}

bool Program::run_menu(std::string_view name) {
    const auto action = command(name);
    if (!action) return false;
    action();
    return true;
}

bool Program::menu_enabled(std::string_view name) const {
    return static_cast<bool>(const_cast<Program*>(this)->command(name));
}

bool Program::ESCI() {
    if (!project.ESCI()) return false;
    if (quit) quit();
    return true;
}

void Program::calculate() {
    form.Command1_MouseDown();
    form.Command1_MouseUp();
    form.Command1_Click();
}

bool Program::refuse_before_calculation(const char* message) {
    if (!analysis.results.lx.text.empty()) return false;
    prompter_.ask({message, Icon::warning, Buttons::ok, "Attenzione"});
    return true;
}

void Program::stampa() {
    if (refuse_before_calculation(print_refused_message) || !printer->choose_printer()) return;
    const PrintDress dress(analysis, title.text());
    // A failed print ends the command silently; the dress comes off either way.
    printer->print_window();
}

void Program::esporta_pdf() {
    if (refuse_before_calculation(print_refused_message)) return;
    const auto chosen = files_.choose_save(pdf_dialog);
    if (!chosen || chosen->empty()) return;
    pdf_dialog.file_name = *chosen;
    std::error_code error;
    if (std::filesystem::exists(*chosen, error) &&
        prompter_.ask({"Sovrascrivere il file " + *chosen + "?", Icon::none, Buttons::yes_no, "Esporta PDF"}) !=
            Answer::yes)
        return;
    const std::vector<std::string> report = report_lines(report_data(title.text(), analysis));
    const PrintDress dress(analysis, title.text());
    if (!printer->export_pdf(*chosen, report))
        prompter_.ask({"Impossibile scrivere il file " + *chosen, Icon::critical, Buttons::ok, "Attenzione"});
}

void Program::open_library(MaterialKind kind) {
    if (show_library) show_library(kind);
    else (kind == MaterialKind::steel ? steel_library : concrete_library).show();
}

void Program::reload_windows() {
    form.reload();
    analysis.reload();
}

void Program::Relazione() {
    if (refuse_before_calculation("Prima di visualizzare la relazione è necessario eseguire il calcolo")) return;
    show_report();
}

unsigned long Program::revision() const {
    return form.revision() + title.revision() + project.revision + analysis.revision() + steel_library.revision() +
           concrete_library.revision() + help_window.revision() + standards.revision() + information.revision() +
           help.revision();
}

}  // namespace norvexa
