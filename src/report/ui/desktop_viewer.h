#pragma once

#include "common/outside_viewer.h"

namespace norvexa {

// Opens files with the desktop's program for their type.
class DesktopViewer : public OutsideViewer {
  public:
    bool open(const std::filesystem::path& file) override;
};

}  // namespace norvexa
