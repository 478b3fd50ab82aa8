#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>

#include "common/colour_chooser.h"
#include "common/outside_viewer.h"
#include "common/ui/font_measure.h"
#include "common/ui/model_view.h"
#include "shell/ui/lock_keys.h"
#include "shell/program.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace norvexa {

class AnalysisWindowView;
class HelpWindowView;
class Form1Window;
class WindowPrinter;
class Form3Window;

// What the main window's child windows ask the user and the desktop through.
struct WindowServices {
    Prompter& prompter;
    FileChooser& files;         // the project's and the PDF's file dialogs
    FileChooser& report_files;  // the report window's save dialog
    OutsideViewer& viewer;      // the report's outside viewers
    ColourChooser& colours;     // the settings window's colour dialog
    ProgramStarter& starter;    // starts the desktop's calculator
};

// The main window: the desktop of the program, with its menus, the child windows in an
// MDI area, the status bar and the title bar with the project's file name.
class MainWindow : public QMainWindow, public Desktop {
  public:
    // The services must outlive the window.
    explicit MainWindow(WindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Builds the menus and the views of the program's models; once, before anything else.
    void show_program(Program& program);

    // Desktop.
    Prompter& prompter() override { return services_.prompter; }
    FileChooser& files() override { return services_.files; }
    ColourChooser& colours() override { return services_.colours; }
    const TextMeasure& measure() const override { return measure_; }
    bool shows(ChildWindow) const override { return true; }
    void show_window(ChildWindow window) override;
    void close_window(ChildWindow window) override;
    AnalysisPrinter* printer() override;
    ProgramStarter* starter() override { return &services_.starter; }
    void quit() override;

    // Places the title strip at the top, the input form below it and the analysis window
    // right of the input form, then loads the models there; returns the input form's load.
    Form1::Load load();
    // Shows every window's model; only what changed is redrawn.
    void refresh();
    // Gives the project title the focus with its text selected.
    void focus_title();

    QMdiArea* area() const { return area_; }
    QAction* menu_action(const std::string& name) const;
    Form1Window* input_form() const { return form1_; }
    Form3Window* title_strip() const { return form3_; }
    QMdiSubWindow* analysis_window() const { return analysis_; }
    HelpWindowView* help_view() const { return help_view_; }
    // The child window's view once made, and while it is open for a window gone once
    // closed; nullptr otherwise.
    ModelView* child_view(ChildWindow window) const;
    WindowPrinter& window_printer() const { return *printer_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // How a child window's view is held.
    enum class Holding {
        in_area,            // an MDI child made at the first opening, hidden when closed
        in_area_while_open, // an MDI child made at each opening, gone once closed
        own_window,         // a window of its own beside the main window, made at start
    };
    // One child window: how its view is made and shown.
    struct ChildSlot {
        ChildWindow window;
        Holding holding;
        std::function<ModelView*()> make;  // builds the view, loading its model first where it must
        std::function<void()> open = {};   // shows it; the view's own open() when unset
        QPointer<ModelView> view = {};
    };
    // A view refreshed whenever its model's revision changes.
    struct WatchedView {
        QPointer<ModelView> view = {};
        std::optional<unsigned long> shown_revision;
    };

    // The child windows, one row each.
    std::vector<ChildSlot> child_windows();
    ChildSlot& slot(ChildWindow window);
    void watch(ModelView* view);
    // The refresh of every view, given to the views as what follows their events.
    std::function<void()> after();
    void build_menus();
    // A menu item (or a command in the menu bar) that runs the program's menu command.
    void add_command(QWidget* menu, const std::string& name, const std::string& caption, const std::string& shortcut);
    void build_status_bar();
    void fill_window_menu();
    void show_lock_keys();
    // The title strip spans the client area.
    void fit_title_strip();

    Program* program_ = nullptr;
    WindowServices services_;
    FontTextMeasure measure_;
    QMdiArea* area_;
    Form3Window* form3_;
    Form1Window* form1_;
    AnalysisWindowView* results_;
    QMdiSubWindow* title_window_;
    QMdiSubWindow* form_window_;
    QMdiSubWindow* analysis_;
    QMenu* window_menu_ = nullptr;
    QLabel* num_lock_ = nullptr;
    QLabel* caps_lock_ = nullptr;
    std::map<std::string, QAction*> actions_;
    std::unique_ptr<WindowPrinter> printer_;
    HelpWindowView* help_view_;
    std::vector<ChildSlot> children_;
    std::vector<WatchedView> views_;
    unsigned long shown_revision_ = 0;
    std::optional<LockKeys> shown_locks_;
    bool closing_ = false;
};

}  // namespace norvexa
