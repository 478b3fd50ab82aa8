#pragma once

#include <map>
#include <string>

#include <QMainWindow>

#include "shell/program.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace norvexa {

class Form1Window;
class Form3Window;

// The main window: the menus of the program, the child windows in an MDI area, the
// status bar and the title bar with the project's file name.
class MainWindow : public QMainWindow {
  public:
    explicit MainWindow(Program& program, QWidget* parent = nullptr);

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

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build_menus();
    void build_status_bar();
    void fill_window_menu();
    void show_lock_keys();
    // The title strip spans the client area.
    void fit_title_strip();

    Program& program_;
    QMdiArea* area_;
    Form3Window* form3_;
    Form1Window* form1_;
    QMdiSubWindow* title_window_;
    QMdiSubWindow* form_window_;
    QMdiSubWindow* analysis_;
    QMenu* window_menu_ = nullptr;
    QLabel* num_lock_ = nullptr;
    QLabel* caps_lock_ = nullptr;
    std::map<std::string, QAction*> actions_;
    unsigned long shown_revision_ = 0;
    bool closing_ = false;
};

}  // namespace norvexa
