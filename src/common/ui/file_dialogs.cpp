#include "common/ui/file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace norvexa {

QString qt_name_filters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString caption = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        // Qt reads the patterns in the last parentheses, separated by spaces where the filter
        // has semicolons; a caption that shows its patterns already has them rewritten so.
        QStringList patterns = pattern.split(';', Qt::SkipEmptyParts);
        for (QString& one : patterns) one = one.trimmed();
        const QString shown = '(' + pattern + ')';
        if (caption.endsWith(shown)) caption = caption.chopped(shown.size()).trimmed();
        filters << caption + " (" + patterns.join(' ') + ')';
    }
    return filters.join(";;");
}

std::optional<std::string> DialogFileChooser::choose_open(const FileDialog& dialog) { return choose(dialog, false); }
std::optional<std::string> DialogFileChooser::choose_save(const FileDialog& dialog) { return choose(dialog, true); }

std::optional<std::string> DialogFileChooser::choose(const FileDialog& dialog, bool save) {
    QFileDialog box(parent_, QString::fromStdString(title_));
    box.setObjectName(save ? "saveDialog" : "openDialog");
    box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    box.setNameFilters(qt_name_filters(dialog.filter).split(";;"));
    box.setOption(QFileDialog::DontConfirmOverwrite, overwrite_ == OverwriteQuestion::callers);
    if (!dialog.file_name.empty()) box.selectFile(QString::fromStdString(dialog.file_name));
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
    return box.selectedFiles().front().toStdString();
}

}  // namespace norvexa
