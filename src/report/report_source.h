#pragma once

#include <string>

#include "drawing/analysis_window.h"
#include "report/report_text.h"

namespace norvexa {

// The report's view of the last run: the analysis window's input, results, bar lists
// and shear frame, under the given project title. Refers to the window, which must
// outlive the result.
ReportData report_data(const std::string& title, const AnalysisWindow& window);

}  // namespace norvexa
