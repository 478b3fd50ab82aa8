#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace norvexa {

// What a file dialog is shown with: the file name it remembers from the last choice
// (empty for none) and its filter in the "caption|pattern|caption|pattern" form.
struct FileDialog {
    std::string file_name;
    std::string filter;

    bool operator==(const FileDialog&) const = default;
};

// The system's open and save dialogs; the window layer shows them, tests answer from a
// script. Each returns the chosen path, or nullopt when the user cancels.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    virtual std::optional<std::string> choose_open(const FileDialog& dialog) = 0;
    virtual std::optional<std::string> choose_save(const FileDialog& dialog) = 0;
};

// Records every dialog shown and answers from a queue; a cancel when the queue is empty.
class ScriptedFileChooser : public FileChooser {
  public:
    enum class Kind { open, save };
    struct Shown {
        Kind kind;
        FileDialog dialog;
    };

    std::optional<std::string> choose_open(const FileDialog& dialog) override { return answer(Kind::open, dialog); }
    std::optional<std::string> choose_save(const FileDialog& dialog) override { return answer(Kind::save, dialog); }
    void answer_next(std::optional<std::string> path) { answers_.push_back(std::move(path)); }

    std::vector<Shown> shown;

  private:
    std::optional<std::string> answer(Kind kind, const FileDialog& dialog) {
        shown.push_back({kind, dialog});
        if (answers_.empty()) return std::nullopt;
        auto path = std::move(answers_.front());
        answers_.pop_front();
        return path;
    }

    std::deque<std::optional<std::string>> answers_;
};

}  // namespace norvexa
