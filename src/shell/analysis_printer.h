#pragma once

#include <string>
#include <vector>

namespace norvexa {

// Puts the analysis window on paper; the desktop layer prints and writes PDF files,
// tests record.
class AnalysisPrinter {
  public:
    virtual ~AnalysisPrinter() = default;
    // The system printer dialog; false when the user cancels it.
    virtual bool choose_printer() = 0;
    // Prints the analysis window as it shows now, scaled to the page; false on failure.
    virtual bool print_window() = 0;
    // Writes a PDF file: the analysis window as it shows now, then the report's lines on
    // as many pages as they need, each headed with the project title and the date and
    // numbered. False when the file cannot be written.
    virtual bool export_pdf(const std::string& path, const std::string& title,
                            const std::vector<std::string>& report_lines) = 0;
};

}  // namespace norvexa
