#pragma once

#include <string>

#include "drawing/analysis_window.h"

namespace norvexa {

inline constexpr const char* print_refused_message = "Prima di effettuare la stampa eseguire il calcolo";

// Keeps the analysis window dressed for paper while it lives; the dress comes off when it
// ends, on every path, so that a cancelled or failed print never leaves the window
// dressed.
class PrintDress {
  public:
    PrintDress(AnalysisWindow& window, const std::string& title);
    ~PrintDress();
    PrintDress(const PrintDress&) = delete;
    PrintDress& operator=(const PrintDress&) = delete;

  private:
    AnalysisWindow& window_;
};

}  // namespace norvexa
