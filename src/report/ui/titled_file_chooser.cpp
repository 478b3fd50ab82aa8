#include "report/ui/titled_file_chooser.h"

#include <QFileDialog>

#include "common/ui/file_dialogs.h"

namespace norvexa {

std::optional<std::string> TitledFileChooser::choose_open(const FileDialog& dialog) { return choose(dialog, false); }
std::optional<std::string> TitledFileChooser::choose_save(const FileDialog& dialog) { return choose(dialog, true); }

std::optional<std::string> TitledFileChooser::choose(const FileDialog& dialog, bool save) {
    QFileDialog box(parent_, QString::fromStdString(title_));
    box.setObjectName(save ? "saveDialog" : "openDialog");
    box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    box.setNameFilters(qt_name_filters(dialog.filter).split(";;"));
    if (!dialog.file_name.empty()) box.selectFile(QString::fromStdString(dialog.file_name));
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
    return box.selectedFiles().front().toStdString();
}

}  // namespace norvexa
