#pragma once

#include <filesystem>
#include <string>

#include "common/help_line.h"
#include "common/window_model.h"
#include "report/rtf_reader.h"

namespace norvexa {

// A window's place on the screen, twips.
struct WindowPlace {
    int left = 0, top = 0, width = 0, height = 0;

    bool operator==(const WindowPlace&) const = default;
};

enum class WindowState { normal, minimised, maximised };

// The main window as guida sees and changes it.
struct MainWindowPlace {
    WindowPlace place;         // its edges on the screen now
    WindowPlace normal_place;  // its edges once restored to the normal state
    WindowState state = WindowState::normal;
};

// The help window help: the manual in a read-only rich-text area, the line of hover
// help, "Chiudi" and its own menu. It is a window of its own beside or over the main
// window, not a child of it. Its controls: the heading Label1, "Chiudi" (Command2) and
// the menu item "Chiudi guida" (ch), which both unload it.
class HelpWindow : public WindowModel {
  public:
    static constexpr const char* lh_start_text =
        "(Per informazioni sui comandi posizionati su di essi con il mouse. Per maggiori informazioni consulta il "
        "manuale.)";
    static constexpr const char* missing_manual_text = "(MANUALE SOFTWARE NON TROVATO)";
    static constexpr int narrowed_main_width = 7445;  // guida narrows a wider main window to this
    static constexpr int tallest = 11520;             // the window's height at most
    static constexpr int gap = 100;                   // between the input window and the help, guida
    static constexpr int design_width = 8400;

    // The help line is the program's; the window shows it in lh and sets it to
    // lh_start_text when it holds nothing yet.
    explicit HelpWindow(HelpLine& line);

    // Loads the window when it is not loaded: its controls as designed, its left and top
    // edges the analysis window's (screen twips), its manual the built-in text.
    void Form_Load(int analysis_left, int analysis_top);
    // "Affianca verticalmente": restores the main window to its normal state, narrows it to
    // narrowed_main_width when wider, places the help right of the input window (of that
    // width) at the main window's top, as tall as the main window up to `tallest`, shows
    // it and loads the manual.
    void guida(MainWindowPlace& main, int input_form_width, int analysis_left, int analysis_top);
    // "Sovrapponi": the help at the main window's top, its left edge where loading put it
    // (over the analysis window), shown, height as in guida, the manual loaded.
    void guidanon(const MainWindowPlace& main, int analysis_left, int analysis_top);
    // Puts the shipped manual into the program folder when missing there, then reads the
    // program folder's manuale.rtf into RichTextBox1. A manual that is missing,
    // unreadable or no rich text leaves what the area shows; no message.
    void load_manual();

    // The pointer over the window's background or over the manual resets the help line.
    void Form_MouseMove();
    void RichTextBox1_MouseMove();
    // Neither lh nor the manual keeps the focus: it moves on to "Chiudi".
    void lh_GotFocus();
    void RichTextBox1_GotFocus();
    // "Chiudi" and "Chiudi guida" unload the window.
    void Command2_Click();
    void ch_Click();

    // The text of lh: the help line.
    const std::string& lh() const { return line_.text(); }
    unsigned long line_revision() const { return line_.revision(); }
    // The manual; the built-in text until one is loaded.
    const RtfDocument& RichTextBox1() const { return RichTextBox1_; }
    bool manual_loaded() const { return manual_loaded_; }
    // Bumped whenever RichTextBox1 changes, so that a view fills its area only then.
    unsigned long manual_revision() const { return manual_revision_; }
    bool is_loaded() const { return loaded_; }
    bool is_visible() const { return visible_; }
    const WindowPlace& place() const { return place_; }
    // The control to give the focus to, once; empty when none. The view tells the model
    // when it has given it.
    const std::string& focus() const { return focus_; }
    void focus_given() { focus_.clear(); }

    const std::string caption = "Help";
    const std::string menu_caption = "Guida";
    // The manual shipped with the program (bundled_manual_path()); empty when none.
    std::filesystem::path shipped_manual;

  private:
    void show_at_top(const MainWindowPlace& main);
    void show_built_in_text();
    void unload();

    HelpLine& line_;
    Control Label1, Command2, ch;
    RtfDocument RichTextBox1_;
    bool manual_loaded_ = false;
    unsigned long manual_revision_ = 0;
    bool loaded_ = false;
    bool visible_ = false;
    WindowPlace place_;
    std::string focus_;
};

}  // namespace norvexa
