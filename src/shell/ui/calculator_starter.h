#pragma once

#include "shell/calculator.h"

namespace norvexa {

// Starts programs detached with QProcess, so they outlive the program.
class QtProgramStarter : public ProgramStarter {
  public:
    bool start_detached(const std::filesystem::path& program) override;
};

}  // namespace norvexa
