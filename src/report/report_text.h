#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/analysis_input.h"
#include "analysis/analysis_results.h"

namespace norvexa {

// What the calculation report is made of; everything is read as the last run left it.
struct ReportData {
    std::string title;                     // the project title
    const AnalysisInput& input;            // sizes in mm, areas in mm²
    const AnalysisResults& results;        // result captions, printed as shown
    std::array<std::string, 4> bar_lists;  // bar-list captions of layers 1..4
    bool shear_shown;                      // the shear results frame is visible
    bool outdated = false;                 // the results no longer belong to the form
};

// A line that starts a new page where the report is paginated for paper.
inline constexpr const char* page_break = "\f";

// The report, one UTF-8 string per line: 75 lines, fewer when layers of zero area, an
// incomplete stirrup description or hidden shear results drop theirs; outdated results
// add the notice that says so as the first line. Throws
// ArithmeticFault when a size or depth is not finite.
std::vector<std::string> report_lines(const ReportData& data);

}  // namespace norvexa
