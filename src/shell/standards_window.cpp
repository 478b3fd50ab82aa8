#include "shell/standards_window.h"

#include <algorithm>
#include <system_error>

#include "common/program_folder.h"

namespace norvexa {
namespace {

std::string lower_ascii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : static_cast<char>(c); });
    return text;
}

bool is_file(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

StandardsWindow::StandardsWindow() {
    using K = ControlKind;
    add("Frame1", Frame1, K::frame).text("D.M. 09/01/'96");
    add("Frame2", Frame2, K::frame).text("EUROCODICE 2");
    for (std::size_t i = 0; i < documents.size(); ++i)
        add("OLE" + std::to_string(i + 1), OLE[i], K::picture).in(documents[i].frame).text(documents[i].caption);
    add("Command2", Command2, K::command_button).text("Chiudi").back(colours::button_face)
        .click([this] { Command2_Click(); });
    reset();
}

std::filesystem::path StandardsWindow::document_path(std::size_t index) {
    const std::filesystem::path folder = program_folder();
    const std::string name = documents.at(index).file_name;
    if (is_file(folder / name)) return folder / name;
    const std::string wanted = lower_ascii(name);
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (lower_ascii(entry->path().filename().string()) == wanted && is_file(entry->path()))
            return entry->path();
    }
    return folder / name;
}

void StandardsWindow::look_at_documents() {
    for (std::size_t i = 0; i < documents.size(); ++i) {
        const auto path = document_path(i);
        OLE[i].enabled = is_file(path);
        OLE_tip_[i] = OLE[i].enabled ? path.string() : missing_tip + path.string();
    }
    touch();
}

void StandardsWindow::show() {
    if (!loaded_) reset();
    loaded_ = true;
    visible_ = true;
    look_at_documents();
}

void StandardsWindow::Form_Activate() { look_at_documents(); }

bool StandardsWindow::OLE_DblClick(std::size_t index, OutsideViewer& viewer, Prompter& prompter) {
    if (index >= documents.size()) return false;
    look_at_documents();
    if (!OLE[index].enabled) return false;
    const auto path = document_path(index);
    if (viewer.open(path)) return true;
    prompter.ask({"Nessun programma disponibile per aprire " + path.string(), Icon::warning, Buttons::ok, "Attenzione"});
    return false;
}

void StandardsWindow::unload() {
    loaded_ = false;
    visible_ = false;
    touch();
}

void StandardsWindow::Command2_Click() { unload(); }
void StandardsWindow::Form_Deactivate() { unload(); }

}  // namespace norvexa
