#include "shell/program.h"

namespace norvexa {

Program::Program(Prompter& prompter, FileChooser& files, const TextMeasure& measure)
    : analysis(measure), form(title, analysis, prompter, help), project(form, title, analysis, prompter, files) {}

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

unsigned long Program::revision() const { return form.revision() + title.revision + project.revision; }

}  // namespace norvexa
