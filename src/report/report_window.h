#pragma once

#include "common/control.h"
#include "common/prompter.h"
#include "report/report_text.h"

namespace norvexa {

// The report window relaz: the report in a rich-text box and the frame of the outside
// viewers that open its files.
class ReportWindow {
  public:
    ReportWindow();

    // Writes the report to the text file of the program folder (made when missing), loads
    // that file back into rtxt and saves it as the rich-text file. When a file cannot be
    // written or read, tells the user to close the outside viewer holding it and leaves
    // rtxt empty; a rich-text file from before stays as it was.
    void CALCULUS(const ReportData& data, Prompter& prompter);

    Control rtxt;    // the report, lines joined with "\n"
    Control Frame1;  // "Apri con...": disabled until the first report
};

}  // namespace norvexa
