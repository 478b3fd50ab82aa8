#include "shell/ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>

#include "common/manual_install.h"
#include "common/ui/twips.h"
#include "input/ui/form1_window.h"
#include "drawing/ui/analysis_window_view.h"
#include "input/ui/form3_window.h"
#include "shell/main_menu.h"
#include "shell/ui/lock_keys.h"
#include "report/report_source.h"
#include "report/ui/report_window_view.h"
#include "materials/ui/library_window_view.h"
#include "shell/ui/help_window_view.h"
#include "shell/ui/info_window_view.h"
#include "shell/ui/settings_window_view.h"
#include "shell/ui/standards_window_view.h"
#include "shell/ui/window_printer.h"

namespace norvexa {
namespace {

QMdiSubWindow* add_child(QMdiArea* area, QWidget* content, Qt::WindowFlags flags = {}) {
    QMdiSubWindow* child = area->addSubWindow(content, flags);
    child->setAttribute(Qt::WA_DeleteOnClose, false);
    child->setObjectName(content->objectName() + "Window");
    return child;
}

}  // namespace

MainWindow::MainWindow(WindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(services), measure_(QApplication::font()) {
    setObjectName("MDIForm1");
    area_ = new QMdiArea;
    area_->setObjectName("area");
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    area_->viewport()->installEventFilter(this);
}

void MainWindow::show_program(Program& program) {
    program_ = &program;
    const auto after = [this] { refresh(); };
    form3_ = new Form3Window(program_->title, after);
    form1_ = new Form1Window(program_->form, after);
    results_ = new AnalysisWindowView(program_->analysis, QApplication::font());
    // Tab leaves the project title for the input form's first field.
    form3_->set_next_in_tab_order(form1_->control("rett"));
    title_window_ = add_child(area_, form3_, Qt::FramelessWindowHint);
    form_window_ = add_child(area_, form1_);
    analysis_ = add_child(area_, results_);

    // The input form shows its layer table again whenever it becomes the active window.
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* child) {
        // No child at all means the main window itself lost the focus, to a dialog say.
        if (!child) return;
        if (child == form_window_) program_->form.Form_Activate();
        refresh();
    });
    steel_view_ = new LibraryWindowView(program_->steel_library, after);
    steel_view_->place_in(area_);
    concrete_view_ = new LibraryWindowView(program_->concrete_library, after);
    concrete_view_->place_in(area_);
    // The help window stands beside the main window, made hidden at start so that the
    // help line is there whenever it opens.
    // Only the desktop program shows the manual, so only it looks for the shipped copy.
    program_->help_window.shipped_manual = bundled_manual_path().value_or(std::filesystem::path{});
    help_view_ = new HelpWindowView(program_->help_window, after, this);
    program_->help.on_change = [this] { help_view_->refresh(); };
    printer_ = std::make_unique<WindowPrinter>(*results_, this);
    build_menus();
    build_status_bar();
    // "Calcola" answers F9 wherever the focus is.
    auto* calculate = new QShortcut(QKeySequence(Qt::Key_F9), this);
    calculate->setContext(Qt::ApplicationShortcut);
    connect(calculate, &QShortcut::activated, this, [this] {
        program_->calculate();
        refresh();
    });
    refresh();
}

MainWindow::~MainWindow() {
    if (program_) program_->help.on_change = nullptr;
}

void MainWindow::show_window(ChildWindow window) {
    switch (window) {
        case ChildWindow::report: show_report(); break;
        case ChildWindow::settings: show_settings(); break;
        case ChildWindow::steel_library: steel_view_->open(); break;
        case ChildWindow::concrete_library: concrete_view_->open(); break;
        case ChildWindow::help_over: help_view_->guidanon(*this, *analysis_); break;
        case ChildWindow::help_beside: help_view_->guida(*this, *form_window_, *analysis_); break;
        case ChildWindow::standards: show_standards(); break;
        case ChildWindow::information: show_information(); break;
    }
    refresh();
}

void MainWindow::close_window(ChildWindow window) {
    switch (window) {
        case ChildWindow::report: close_report(); break;
        case ChildWindow::settings:
            if (settings_child_) settings_child_->close();
            break;
        case ChildWindow::steel_library: steel_view_->close_child(); break;
        case ChildWindow::concrete_library: concrete_view_->close_child(); break;
        case ChildWindow::help_over:
        case ChildWindow::help_beside:
        case ChildWindow::standards:
        case ChildWindow::information: break;  // they close themselves
    }
}

AnalysisPrinter* MainWindow::printer() { return printer_.get(); }

void MainWindow::quit() {
    closing_ = true;
    close();
}

void MainWindow::show_settings() {
    if (!settings_child_) {
        // Gone once closed, with whatever was changed and not confirmed.
        settings_view_ = new SettingsWindowView(program_->settings, [this] { refresh(); });
        settings_child_ = add_child(area_, settings_view_);
        settings_child_->setAttribute(Qt::WA_DeleteOnClose);
        connect(settings_child_, &QObject::destroyed, this, [this] { program_->settings.Form_Unload(); });
        settings_child_->adjustSize();
        settings_child_->move((area_->width() - settings_child_->width()) / 2,
                              (area_->height() - settings_child_->height()) / 3);
    }
    settings_child_->show();
    area_->setActiveSubWindow(settings_child_);
}

void MainWindow::show_report() {
    if (!report_child_) {
        // A report window that was closed is loaded again, and so writes the report anew.
        const auto source = [this] { return report_data(program_->title.text(), program_->analysis); };
        program_->report.Form_Load(source(), services_.prompter);
        report_view_ = new ReportWindowView(program_->report, source, services_.prompter, services_.report_files,
                                            services_.viewer, [this] { refresh(); });
        report_child_ = add_child(area_, report_view_);
        report_child_->setAttribute(Qt::WA_DeleteOnClose);
        connect(report_child_, &QObject::destroyed, this, [this] { report_view_ = nullptr; });
        report_child_->move(to_pixels(program_->report.left), to_pixels(program_->report.top));
        report_child_->resize(report_child_->sizeHint());
    }
    report_child_->show();
    area_->setActiveSubWindow(report_child_);
}

void MainWindow::show_standards() {
    if (!standards_child_) {
        standards_view_ = new StandardsWindowView(program_->standards, services_.viewer, services_.prompter,
                                                  [this] { refresh(); });
        standards_child_ = add_child(area_, standards_view_);
        standards_child_->resize(standards_child_->sizeHint());
    }
    standards_view_->open();
    refresh();
}

void MainWindow::show_information() {
    if (!info_child_) {
        info_view_ = new InfoWindowView(program_->information, [this] { refresh(); });
        info_child_ = add_child(area_, info_view_);
        info_child_->resize(info_child_->sizeHint());
    }
    info_view_->open();
    refresh();
}

void MainWindow::close_report() {
    if (report_child_) report_child_->close();
}

void MainWindow::add_command(QWidget* menu, const std::string& name, const std::string& caption,
                             const std::string& shortcut) {
    auto* action = new QAction(QString::fromStdString(caption), menu);
    action->setObjectName(QString::fromStdString(name));
    if (!shortcut.empty()) action->setShortcut(QKeySequence(QString::fromStdString(shortcut)));
    menu->addAction(action);
    actions_[name] = action;
    connect(action, &QAction::triggered, this, [this, name] {
        program_->run_menu(name);
        refresh();
    });
}

void MainWindow::build_menus() {
    for (const Menu& menu : main_menu()) {
        const MenuItem& own = menu.command;
        if (!own.name.empty()) {
            add_command(menuBar(), own.name, own.caption, own.shortcut);  // a command in the bar itself
            continue;
        }
        QMenu* submenu = menuBar()->addMenu(QString::fromStdString(own.caption));
        if (own.caption == "Fi&nestra") {
            window_menu_ = submenu;
            window_menu_->setObjectName("finestra");
            connect(window_menu_, &QMenu::aboutToShow, this, [this] { fill_window_menu(); });
        }
        for (const MenuItem& item : menu.items) {
            if (item.name.empty()) submenu->addSeparator();
            else add_command(submenu, item.name, item.caption, item.shortcut);
        }
    }
}

void MainWindow::fill_window_menu() {
    window_menu_->clear();
    int number = 1;
    for (QMdiSubWindow* child : area_->subWindowList()) {
        if (!child->isVisible()) continue;
        QAction* action = window_menu_->addAction(QString("&%1 %2").arg(number++).arg(child->windowTitle()));
        action->setCheckable(true);
        action->setChecked(child == area_->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, child] { area_->setActiveSubWindow(child); });
    }
}

void MainWindow::build_status_bar() {
    auto* credit = new QLabel("Norvexa — verifica di sezioni in c.a. agli stati limite ultimi");
    credit->setObjectName("credit");
    num_lock_ = new QLabel("BLOC NUM");
    num_lock_->setObjectName("numLock");
    caps_lock_ = new QLabel("BLOC MAIUSC");
    caps_lock_->setObjectName("capsLock");
    statusBar()->addWidget(credit, 1);
    for (QLabel* lock : {num_lock_, caps_lock_}) {
        lock->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        lock->setContentsMargins(6, 0, 6, 0);
        statusBar()->addPermanentWidget(lock);
    }
    show_lock_keys();
}

void MainWindow::show_lock_keys() {
    // Asked at every key; the labels change only when a lock does.
    const LockKeys locks = read_lock_keys();
    if (shown_locks_ && *shown_locks_ == locks) return;
    shown_locks_ = locks;
    auto show = [](QLabel* label, std::optional<bool> on) {
        // Lit while the lock is on; plain where the platform does not tell.
        label->setEnabled(!on || *on);
        QFont font = label->font();
        font.setBold(on && *on);
        label->setFont(font);
    };
    show(num_lock_, locks.num);
    show(caps_lock_, locks.caps);
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::WindowActivate ||
        event->type() == QEvent::ShortcutOverride)
        show_lock_keys();
    return QMainWindow::event(event);
}

Form1::Load MainWindow::load() {
    title_window_->move(0, 0);
    form_window_->move(0, to_pixels(program_->title.height));
    const Form1::Load loaded = program_->load(Form1::MissingFolders::stop, to_twips(form_window_->width()));
    form_window_->adjustSize();
    fit_title_strip();
    analysis_->move(form_window_->width(), to_pixels(program_->title.height));
    analysis_->adjustSize();
    program_->analysis.place_right_of(static_cast<float>(to_twips(form_window_->width())));
    refresh();
    return loaded;
}

void MainWindow::fit_title_strip() {
    title_window_->resize(std::max(area_->viewport()->width(), title_window_->minimumSizeHint().width()),
                          to_pixels(program_->title.height));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_->viewport() && event->type() == QEvent::Resize) fit_title_strip();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::focus_title() {
    program_->title.select_title();
    area_->setActiveSubWindow(title_window_);
    refresh();
}

void MainWindow::refresh() {
    const unsigned long revision = program_->revision();
    if (revision == shown_revision_) return;
    shown_revision_ = revision;
    form3_->refresh();
    form1_->refresh();
    results_->refresh();
    steel_view_->refresh();
    concrete_view_->refresh();
    help_view_->refresh();
    if (standards_view_) standards_view_->refresh();
    if (info_view_) info_view_->refresh();
    if (report_view_) report_view_->refresh();
    if (settings_view_) settings_view_->refresh();
    setWindowTitle(QString::fromStdString(program_->title_bar()) + "[*]");
    setWindowModified(program_->modified());
    for (const auto& [name, action] : actions_) action->setEnabled(program_->menu_enabled(name));
}

QAction* MainWindow::menu_action(const std::string& name) const {
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box asks the exit question too, so unsaved changes are never lost unasked.
    if (closing_ || program_->ESCI()) {
        event->accept();
        return;
    }
    refresh();
    event->ignore();
}

}  // namespace norvexa
