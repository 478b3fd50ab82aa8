#pragma once

#include <string>

#include "common/file_chooser.h"

class QWidget;

namespace norvexa {

// The desktop's open and save dialogs under a title of their own ("relazione:"),
// starting at the remembered file name. The save dialog asks before replacing a file.
class TitledFileChooser : public FileChooser {
  public:
    explicit TitledFileChooser(std::string title, QWidget* parent = nullptr)
        : title_(std::move(title)), parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> choose_open(const FileDialog& dialog) override;
    std::optional<std::string> choose_save(const FileDialog& dialog) override;

  private:
    std::optional<std::string> choose(const FileDialog& dialog, bool save);

    std::string title_;
    QWidget* parent_;
};

}  // namespace norvexa
