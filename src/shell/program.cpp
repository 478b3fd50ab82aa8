#include "shell/program.h"

#include <filesystem>
#include <system_error>

#include "capacity/combinations_report.h"
#include "report/report_source.h"
#include "report/report_text.h"
#include "shell/main_menu.h"
#include "shell/print_dress.h"

namespace norvexa {

Program::Program(Desktop& desktop)
    : desktop_(desktop),
      analysis(desktop.measure()),
      form(title, analysis, desktop.prompter(), help),
      project(form, title, analysis, combinations, desktop.prompter(), desktop.files()),
      steel_library(MaterialKind::steel, form, desktop.prompter()),
      concrete_library(MaterialKind::concrete, form, desktop.prompter()),
      settings(desktop.prompter(), desktop.colours()) {
    // The input form's buttons run the menu commands of the same name.
    form.hooks.stampa = [this] { run_menu("printis"); };
    form.hooks.Relazione = [this] { run_menu("Relazione"); };
    form.hooks.guidanon = [this] { run_menu("sov"); };
    form.hooks.kalk = [this] { run_menu("calcolatrice"); };
    form.hooks.show_steel_library = [this] { run_menu("acc"); };
    form.hooks.show_concrete_library = [this] { run_menu("cls"); };
    project.close_report = report.close_window = [this] { desktop_.close_window(ChildWindow::report); };
    settings.reload_windows = [this] { reload_windows(); };
    settings.close_window = [this] { desktop_.close_window(ChildWindow::settings); };
    form.on_changed = [this] { pressoflessione.compare_inputs(); };
    pressoflessione.modified = [this] { form.salvaconnome = true; };
    pressoflessione.close_window = [this] { desktop_.close_window(ChildWindow::pressoflessione); };
    pressoflessione.save_report = [this] { save_pressoflessione_report(); };
    for (LibraryWindow* library : {&steel_library, &concrete_library})
        library->close_window = [this, library] {
            desktop_.close_window(library == &steel_library ? ChildWindow::steel_library
                                                            : ChildWindow::concrete_library);
        };
}

Form1::Load Program::load(Form1::MissingFolders missing, int input_form_width) {
    const Form1::Load loaded = form.Form_Load(missing);
    analysis.Form_Load(static_cast<float>(title.height), static_cast<float>(input_form_width));
    return loaded;
}

bool Program::run_menu(std::string_view name) {
    if (!menu_enabled(name)) return false;
    menu_command(name)->run(*this);
    return true;
}

bool Program::menu_enabled(std::string_view name) const {
    const MenuItem* item = menu_command(name);
    return item && item->run && (!item->enabled || item->enabled(*this));
}

bool Program::ESCI() {
    if (!project.ESCI()) return false;
    desktop_.quit();
    return true;
}

void Program::calculate() {
    form.Command1_MouseDown();
    form.Command1_MouseUp();
    form.Command1_Click();
}

void Program::recalculate() {
    calculate();
    if (pressoflessione.is_open()) pressoflessione.calculate();
}

void Program::show_pressoflessione() {
    pressoflessione.open();
    desktop_.show_window(ChildWindow::pressoflessione);
}

bool Program::refuse_before_calculation(const char* message) {
    if (analysis.results.bending) return false;
    desktop_.prompter().ask({message, Icon::warning, Buttons::ok, "Attenzione"});
    return true;
}

void Program::stampa() {
    AnalysisPrinter* printer = desktop_.printer();
    if (refuse_before_calculation(print_refused_message) || !printer->choose_printer()) return;
    const PrintDress dress(analysis, title.text());
    // A failed print ends the command silently; the dress comes off either way.
    printer->print_window();
}

void Program::esporta_pdf() {
    if (refuse_before_calculation(print_refused_message)) return;
    const auto chosen = desktop_.files().choose_save(pdf_dialog);
    if (!chosen || chosen->empty()) return;
    pdf_dialog.file_name = *chosen;
    std::error_code error;
    if (std::filesystem::exists(*chosen, error) &&
        desktop_.prompter().ask(
            {"Sovrascrivere il file " + *chosen + "?", Icon::none, Buttons::yes_no, "Esporta PDF"}) !=
            Answer::yes)
        return;
    std::vector<std::string> report = report_lines(report_data(title.text(), analysis));
    // The verification with axial force follows the report when the project has combinations.
    if (!combinations.rows.empty()) {
        const auto verification = capacity::combinations_report_lines(pressoflessione);
        report.push_back(page_break);
        report.insert(report.end(), verification.begin(), verification.end());
    }
    const PrintDress dress(analysis, title.text());
    if (!desktop_.printer()->export_pdf(*chosen, title.text(), report))
        desktop_.prompter().ask({"Impossibile scrivere il file " + *chosen, Icon::critical, Buttons::ok, "Attenzione"});
}

void Program::save_pressoflessione_report() {
    const auto chosen = desktop_.files().choose_save(pressoflessione_report_dialog);
    if (!chosen || chosen->empty()) return;
    pressoflessione_report_dialog.file_name = *chosen;
    if (!save_report_file(*chosen, capacity::combinations_report_lines(pressoflessione)))
        desktop_.prompter().ask(
            {"Impossibile salvare la relazione: " + *chosen, Icon::critical, Buttons::ok, "Attenzione"});
}

void Program::open_library(MaterialKind kind) {
    (kind == MaterialKind::steel ? steel_library : concrete_library).show();
    desktop_.show_window(kind == MaterialKind::steel ? ChildWindow::steel_library : ChildWindow::concrete_library);
}

void Program::show_settings() {
    settings.Form_Load();
    desktop_.show_window(ChildWindow::settings);
}

void Program::kalk() { norvexa::kalk(*desktop_.starter(), desktop_.prompter()); }

void Program::reload_windows() {
    form.reload();
    analysis.reload();
}

void Program::Relazione() {
    if (refuse_before_calculation("Prima di visualizzare la relazione è necessario eseguire il calcolo")) return;
    desktop_.show_window(ChildWindow::report);
}

unsigned long Program::revision() const {
    return form.revision() + title.revision() + project.revision + analysis.revision() + steel_library.revision() +
           concrete_library.revision() + help_window.revision() + standards.revision() + information.revision() +
           help.revision() + settings.revision() + report.revision() + pressoflessione.revision();
}

}  // namespace norvexa
