#include "shell/ui/main_window.h"

#include <algorithm>

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

#include "capacity/ui/capacity_pages.h"
#include "capacity/ui/combinations_window_view.h"
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
    form3_ = new Form3Window(program_->title, after());
    form1_ = new Form1Window(program_->form, after());
    results_ = new AnalysisWindowView(program_->analysis, QApplication::font());
    // Tab leaves the project title for the input form's first field.
    form3_->set_next_in_tab_order(form1_->control("rett"));
    title_window_ = add_to_area(*area_, *form3_, Qt::FramelessWindowHint);
    form_window_ = add_to_area(*area_, *form1_);
    analysis_ = add_to_area(*area_, *results_);

    // The input form shows its layer table again whenever it becomes the active window.
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* child) {
        // No child at all means the main window itself lost the focus, to a dialog say.
        if (!child) return;
        if (child == form_window_) program_->form.Form_Activate();
        refresh();
    });
    // The help window stands beside the main window, made hidden at start so that the
    // help line is there whenever it opens.
    // Only the desktop program shows the manual, so only it looks for the shipped copy.
    program_->help_window.shipped_manual = bundled_manual_path().value_or(std::filesystem::path{});
    help_view_ = new HelpWindowView(program_->help_window, after(), this);
    for (ModelView* view : std::initializer_list<ModelView*>{form3_, form1_, results_, help_view_}) watch(view);
    children_ = child_windows();
    printer_ = std::make_unique<WindowPrinter>(*results_, this);
    printer_->more_pages = [this] { return capacity::capacity_pages(program_->pressoflessione); };
    build_menus();
    build_status_bar();
    // "Calcola" answers F9 wherever the focus is, in the analysis and the open verifications.
    auto* calculate = new QShortcut(QKeySequence(Qt::Key_F9), this);
    calculate->setContext(Qt::ApplicationShortcut);
    connect(calculate, &QShortcut::activated, this, [this] {
        program_->recalculate();
        refresh();
    });
    refresh();
}

std::vector<MainWindow::ChildSlot> MainWindow::child_windows() {
    Program& p = *program_;
    WindowServices& s = services_;
    const auto report_source = [&p] { return report_data(p.title.text(), p.analysis); };
    using enum Holding;
    return {
        {ChildWindow::report, in_area_while_open,
         [&p, &s, report_source, this] {
             // A report window that was closed is loaded again, and so writes the report anew.
             p.report.Form_Load(report_source(), s.prompter);
             return new ReportWindowView(p.report, report_source, s.prompter, s.report_files, s.viewer, after());
         }},
        {ChildWindow::settings, in_area_while_open, [&p, this] { return new SettingsWindowView(p.settings, after()); }},
        {ChildWindow::steel_library, in_area, [&p, this] { return new LibraryWindowView(p.steel_library, after()); }},
        {ChildWindow::concrete_library, in_area,
         [&p, this] { return new LibraryWindowView(p.concrete_library, after()); }},
        {ChildWindow::help_over, own_window, [this] { return help_view_; },
         [this] { help_view_->guidanon(*this, *analysis_); }},
        {ChildWindow::help_beside, own_window, [this] { return help_view_; },
         [this] { help_view_->guida(*this, *form_window_, *analysis_); }},
        {ChildWindow::standards, in_area,
         [&p, &s, this] { return new StandardsWindowView(p.standards, s.viewer, s.prompter, after()); }},
        {ChildWindow::information, in_area, [&p, this] { return new InfoWindowView(p.information, after()); }},
        {ChildWindow::pressoflessione, in_area_while_open,
         [&p, &s, this] {
             return new capacity::CombinationsWindowView(p.pressoflessione, after(),
                                                         [&p] { return p.project.revision; }, s.files);
         }},
    };
}

MainWindow::~MainWindow() = default;

MainWindow::ChildSlot& MainWindow::slot(ChildWindow window) {
    return *std::find_if(children_.begin(), children_.end(),
                         [window](const ChildSlot& row) { return row.window == window; });
}

ModelView* MainWindow::child_view(ChildWindow window) const {
    for (const ChildSlot& row : children_)
        if (row.window == window) return row.view;
    return nullptr;
}

std::function<void()> MainWindow::after() {
    return [this] { refresh(); };
}

void MainWindow::watch(ModelView* view) {
    std::erase_if(views_, [](const WatchedView& watched) { return !watched.view; });
    views_.push_back({view, std::nullopt});
}

void MainWindow::show_window(ChildWindow window) {
    ChildSlot& row = slot(window);
    if (!row.view) {
        row.view = row.make();
        if (row.holding != Holding::own_window) {
            QMdiSubWindow* child = add_to_area(*area_, *row.view);
            if (row.holding == Holding::in_area_while_open) child->setAttribute(Qt::WA_DeleteOnClose);
            watch(row.view);
        }
    }
    if (row.open) row.open();
    else row.view->open();
    refresh();
}

void MainWindow::close_window(ChildWindow window) {
    if (ModelView* view = slot(window).view) view->close_window();
}

AnalysisPrinter* MainWindow::printer() { return printer_.get(); }

void MainWindow::quit() {
    closing_ = true;
    close();
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
    // Where the area is too small for it, the analysis window takes the room left, its
    // board scaled and what still does not fit scrolling inside it.
    const QSize room = area_->contentsRect().size() - QSize(analysis_->x(), analysis_->y());
    analysis_->resize(analysis_->size().boundedTo(room.expandedTo(analysis_->minimumSizeHint())));
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
    // By index: a view's refresh may close a window, whose events come back here.
    for (std::size_t i = 0; i < views_.size(); ++i) {
        WatchedView& watched = views_[i];
        if (!watched.view || watched.shown_revision == watched.view->model_revision()) continue;
        watched.shown_revision = watched.view->model_revision();
        watched.view->refresh();
    }
    const unsigned long revision = program_->revision();
    if (revision == shown_revision_) return;
    shown_revision_ = revision;
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
