#pragma once

#include <string>

#include "drawing/analysis_window.h"

namespace norvexa {

inline constexpr const char* print_refused_message = "Prima di effettuare la stampa eseguire il calcolo";

// Dresses the analysis window's board for paper while it lives: the project title in the
// busy banner, the bar lists of the layers with steel shown without box or border and
// moved left by half their width and 200 twips, the vertical rule hidden. Undone when it
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
