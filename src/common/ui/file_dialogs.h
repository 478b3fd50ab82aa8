#pragma once

#include <string>

#include <QString>

#include "common/file_chooser.h"

class QWidget;

namespace norvexa {

// "File norvexa (*.nvx) |*.nvx|Tutti i file (*.*)|*.*" as Qt's name filters:
// "File norvexa (*.nvx);;Tutti i file (*.*)". Each caption is kept as written (trimmed)
// and the pattern after it goes into the parentheses Qt reads, its semicolons as spaces.
QString qt_name_filters(const std::string& filter);

// Whether the save dialog itself asks before replacing an existing file; callers that
// ask their own question leave it to them.
enum class OverwriteQuestion { callers, dialog };

// The desktop's open and save dialogs, starting at the remembered file name; no default
// extension is added to a typed name. An empty title leaves the system's titles.
class DialogFileChooser : public FileChooser {
  public:
    explicit DialogFileChooser(QWidget* parent = nullptr, std::string title = {},
                               OverwriteQuestion overwrite = OverwriteQuestion::callers)
        : parent_(parent), title_(std::move(title)), overwrite_(overwrite) {}
    void set_parent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> choose_open(const FileDialog& dialog) override;
    std::optional<std::string> choose_save(const FileDialog& dialog) override;

  private:
    std::optional<std::string> choose(const FileDialog& dialog, bool save);
    QWidget* parent_;
    std::string title_;
    OverwriteQuestion overwrite_;
};

}  // namespace norvexa
