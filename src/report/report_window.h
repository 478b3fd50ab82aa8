#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/file_chooser.h"
#include "common/outside_viewer.h"
#include "common/prompter.h"
#include "common/window_model.h"
#include "report/report_text.h"

namespace norvexa {

// One item of the report window's menu; an item without a name is a separator.
struct ReportMenuItem {
    std::string name;     // the command: "aggiorna", "salva" or "chiudi"
    std::string caption;  // "&" marks the access letter
    std::string button;   // the window's button that does the same

    bool operator==(const ReportMenuItem&) const = default;
};

// The report window relaz: the report in a rich-text box (rtxt), the save, refresh and
// close buttons (command1, CommandButton1, Command2), and the frame Frame1 of the
// outside viewers OLE1 and OLE2 that open its files.
class ReportWindow : public WindowModel {
  public:
    // What the buttons work with while the window is open; each must outlive the window.
    struct Services {
        std::function<ReportData()> source;  // the report's input as the program holds it now
        Prompter& prompter;
        FileChooser& files;  // the save dialog
        OutsideViewer& viewer;
    };

    ReportWindow();

    // Loads the window afresh: its controls as designed, the save dialog without a file,
    // the window placed; then writes the report (CALCULUS).
    void Form_Load(const ReportData& data, Prompter& prompter);
    // The buttons' services, which the window's view gives; until then the buttons do
    // nothing but close.
    void use(Services services) { services_.emplace(std::move(services)); }
    // Writes the report to the text file of the program folder (made when missing), loads
    // that file back into rtxt and saves it as the rich-text file. When a file cannot be
    // written or read, tells the user to close the outside viewer holding it and leaves
    // rtxt empty; a rich-text file from before stays as it was.
    void CALCULUS(const ReportData& data, Prompter& prompter);
    // "Salva...": asks for a file with CommonDialog1 and writes the report there: as the
    // text file of the program folder is written when the name ends in ".txt" (in any
    // case), as rich text otherwise. A cancelled dialog saves nothing; a failed write
    // tells the user.
    void salvaz(FileChooser& files, Prompter& prompter);
    // The rich-text file (OLE1, "MICROSOFT WORD") or the text file (OLE2, "BLOCCO NOTE")
    // in its outside viewer. Nothing opens while Frame1 is disabled. False when nothing
    // was started.
    bool OLE1_open(OutsideViewer& viewer) const;
    bool OLE2_open(OutsideViewer& viewer) const;

    // The items of menu_caption's menu, in their order.
    static const std::vector<ReportMenuItem>& menu();

    const std::string caption = "Relazione";
    const std::string menu_caption = "&Relazione";
    int top = 0, left = 0;  // twips, set by Form_Load

    // The save dialog; it keeps the last file chosen while the window is open.
    FileDialog CommonDialog1;
    const std::string dialog_title = "relazione:";
    // "Chiudi": closes the window on the desktop; the program sets it.
    std::function<void()> close_window;

  private:
    // Every control as designed, the save dialog without a file, no report written yet.
    void start_afresh();
    // Empties the box; "Salva..." then writes the empty report.
    void forget_report();

    Control rtxt;            // the report, lines joined with "\n"; read, never typed into
    Control command1;        // "Salva..."
    Control CommandButton1;  // "Aggiorna"
    Control Command2;        // "Chiudi"
    Control Frame1;          // "Apri con...": disabled until the first report
    Control OLE1, OLE2;      // the viewers' labels

    // The report as CALCULUS last wrote it: the lines read back from the text file and the
    // rich text.
    std::vector<std::string> lines_;
    std::string rich_text_;
    std::optional<Services> services_;
};

}  // namespace norvexa
