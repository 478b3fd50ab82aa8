#include "shell/ui/desktop_program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include "common/program_folder.h"
#include "common/stale_temporaries.h"
#include "common/ui/twips.h"
#include "shell/startup.h"
#include "shell/ui/folder_window.h"
#include "shell/ui/main_window.h"
#include "shell/ui/splash_window.h"

namespace norvexa {
namespace {

// The least a main window short of the screen edges must hold: the title strip, the input
// form and the analysis window side by side at their full size.
constexpr QSize roomy_window(1400, 850);

}  // namespace

DesktopProgram::DesktopProgram(std::optional<std::filesystem::path> project, Dialogs dialogs)
    : project_(std::move(project)),
      prompter_(dialogs.prompter ? *dialogs.prompter : message_boxes_),
      files_(dialogs.files ? *dialogs.files : file_dialogs_),
      report_files_(dialogs.files ? *dialogs.files : report_dialogs_),
      viewer_(dialogs.viewer ? *dialogs.viewer : desktop_viewer_),
      colours_(dialogs.colours ? *dialogs.colours : colour_dialogs_),
      starter_(dialogs.starter ? *dialogs.starter : program_starter_),
      main_(std::make_unique<MainWindow>(WindowServices{prompter_, files_, report_files_, viewer_, colours_, starter_})),
      program_(*main_),
      splash_(new SplashWindow) {
    message_boxes_.set_parent(main_.get());
    file_dialogs_.set_parent(main_.get());
    report_dialogs_.set_parent(main_.get());
    colour_dialogs_.set_parent(main_.get());
    splash_->setAttribute(Qt::WA_DeleteOnClose, false);
    end = [] { QCoreApplication::exit(0); };
    connect(splash_, &SplashWindow::start_requested, this, [this] { attiva(); });
}

DesktopProgram::~DesktopProgram() {
    delete splash_;
    // The views go before the models they show.
    main_.reset();
}

void DesktopProgram::start() { splash_->start(); }

void DesktopProgram::attiva() {
    if (started_) return;
    started_ = true;
    remove_stale_temporaries(program_folder());
    main_->show_program(program_);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int width = to_twips(screen.width()), height = to_twips(screen.height());
    if (screen_too_small(width, height))
        prompter_.ask({small_screen_message, Icon::information, Buttons::ok, program_title});

    // A large screen gets a window of its own size, short of each edge by a twentieth of
    // the screen when the windows still fit; a small one is filled. The windows are placed
    // in the size the window will have.
    const bool normal = screen_takes_normal_state(width, height);
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect inset = free.adjusted(screen.width() / 20, screen.height() / 20, -screen.width() / 20,
                                      -screen.height() / 20);
    main_->setGeometry(normal && inset.width() >= roomy_window.width() && inset.height() >= roomy_window.height()
                           ? inset
                           : free);
    main_->layout()->activate();
    if (main_->load() == Form1::Load::folders_missing) {
        main_->setEnabled(false);
        main_->showMinimized();
        splash_->close();
        folders_ = new FolderCreationWindow(prompter_);
        folders_->setAttribute(Qt::WA_DeleteOnClose);
        connect(folders_, &FolderCreationWindow::finished_program, this, [this] {
            if (end) end();
        });
        folders_->show();
        return;
    }
    normal ? main_->show() : main_->showMaximized();
    splash_->close();
    main_->focus_title();
    if (project_) {
        program_.project.open_project(*project_);
        main_->refresh();
    }
}

}  // namespace norvexa
