#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/control.h"
#include "common/file_chooser.h"
#include "common/outside_viewer.h"
#include "common/prompter.h"
#include "report/report_text.h"

namespace norvexa {

// One item of the report window's menu; an item without a name is a separator.
struct ReportMenuItem {
    std::string name;     // the command: "aggiorna", "salva" or "chiudi"
    std::string caption;  // "&" marks the access letter

    bool operator==(const ReportMenuItem&) const = default;
};

// The report window relaz: the report in a rich-text box, the save, refresh and close
// buttons, and the frame of the outside viewers that open its files.
class ReportWindow {
  public:
    ReportWindow();

    // Places the window and writes the report (CALCULUS).
    void Form_Load(const ReportData& data, Prompter& prompter);
    // Writes the report to the text file of the program folder (made when missing), loads
    // that file back into rtxt and saves it as the rich-text file. When a file cannot be
    // written or read, tells the user to close the outside viewer holding it and leaves
    // rtxt empty; a rich-text file from before stays as it was.
    void CALCULUS(const ReportData& data, Prompter& prompter);
    // "Salva...": asks for a file with CommonDialog1 and writes the report there as rich
    // text, whatever the name's extension. A cancelled dialog saves nothing; a failed
    // write tells the user.
    void salvaz(FileChooser& files, Prompter& prompter);
    // The rich-text file (OLE1, "MICROSOFT WORD") or the text file (OLE2, "BLOCCO NOTE")
    // in its outside viewer. Nothing opens while Frame1 is disabled. False when nothing
    // was started.
    bool OLE1_open(OutsideViewer& viewer) const;
    bool OLE2_open(OutsideViewer& viewer) const;

    // The named button's tool tip; empty for another name.
    static std::string tip(std::string_view name);
    // The items of menu_caption's menu, in their order.
    static const std::vector<ReportMenuItem>& menu();

    std::string caption = "Relazione";
    std::string menu_caption = "&Relazione";
    int top = 0, left = 0;  // twips, set by Form_Load

    Control rtxt;            // the report, lines joined with "\n"
    Control command1;        // "Salva..."
    Control CommandButton1;  // "Aggiorna"
    Control Command2;        // "Chiudi"
    Control Frame1;          // "Apri con...": disabled until the first report
    Control OLE1, OLE2;      // the viewers' labels

    // The save dialog; it keeps the last file chosen.
    FileDialog CommonDialog1;
    std::string dialog_title = "relazione:";

  private:
    std::string rich_text_;  // as CALCULUS last wrote it; the empty report's before that
};

}  // namespace norvexa
