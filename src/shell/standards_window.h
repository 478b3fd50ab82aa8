#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "common/outside_viewer.h"
#include "common/prompter.h"
#include "common/window_model.h"

namespace norvexa {

// The standards window NORMATIVA: the reference standards as five document icons in two
// framed groups, each opening its document of the program folder in the desktop's
// viewer, and "Chiudi". It closes when another window of the program becomes active.
// Its controls: the groups Frame1 and Frame2, the icons OLE1..OLE5 (enabled while their
// document is there) and Command2.
class StandardsWindow : public WindowModel {
  public:
    struct Document {
        const char* frame;      // the control name of its group: "Frame1" or "Frame2"
        const char* caption;    // under the icon
        const char* file_name;  // in the program folder
    };
    static constexpr std::array<Document, 5> documents = {{
        {"Frame1", "DM 09 Gennaio 1996", "DM 09 GENNAIO 1996.PDF"},
        {"Frame2", "EC2 parte 1", "EC2 PARTE 1.PDF"},
        {"Frame2", "EC2 parte 2", "EC2 PARTE 2.PDF"},
        {"Frame2", "EC2 parte 3", "EC2 PARTE 3.PDF"},
        {"Frame2", "EC2 parte 4", "EC2 PARTE 4.PDF"},
    }};
    static constexpr const char* missing_tip = "Documento non presente: ";

    StandardsWindow();

    // Loads the window (when not loaded: its controls as designed) and shows it; the icons
    // of documents missing from the program folder are disabled, with missing_tip and the
    // path as their tool tip.
    void show();
    // Looks at the program folder again: what shows() does to the icons.
    void Form_Activate();
    // Double click on icon `index` (0 to 4, OLE1 to OLE5): opens its document in the
    // viewer. A document missing now disables its icon and opens nothing; a viewer that
    // cannot be started is told to the user. False when nothing was opened.
    bool OLE_DblClick(std::size_t index, OutsideViewer& viewer, Prompter& prompter);
    void Command2_Click();
    // Another window of the program became active.
    void Form_Deactivate();

    // The document's file: its name in the program folder, matched without regard to
    // case (the standards come from systems that ignore it); the name as given when no
    // file matches.
    static std::filesystem::path document_path(std::size_t index);

    // The tool tip of icon `index`: the document's path, or missing_tip and the path.
    const std::string& OLE_tip(std::size_t index) const { return OLE_tip_.at(index); }
    bool is_loaded() const { return loaded_; }
    bool is_visible() const { return visible_; }

    const std::string caption = "NORMATIVA";

  private:
    void look_at_documents();
    void unload();

    Control Frame1, Frame2;
    std::array<Control, 5> OLE;
    Control Command2;
    std::array<std::string, 5> OLE_tip_;
    bool loaded_ = false;
    bool visible_ = false;
};

}  // namespace norvexa
