#pragma once

#include <filesystem>
#include <vector>

namespace norvexa {

// Opens a file in the program the desktop associates with it.
class OutsideViewer {
  public:
    virtual ~OutsideViewer() = default;
    // False when no program could be started for the file.
    virtual bool open(const std::filesystem::path& file) = 0;
};

// Records the files it is asked to open and starts nothing; answers `succeeds`.
class RecordingViewer : public OutsideViewer {
  public:
    bool open(const std::filesystem::path& file) override {
        opened.push_back(file);
        return succeeds;
    }

    std::vector<std::filesystem::path> opened;
    bool succeeds = true;
};

}  // namespace norvexa
