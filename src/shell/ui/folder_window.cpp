#include "shell/ui/folder_window.h"

#include <string>
#include <vector>

#include <QFont>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "shell/startup.h"

namespace norvexa {
namespace {

QLabel* plain_label(const std::string& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(QString::fromStdString(text), parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

FolderCreationWindow::FolderCreationWindow(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
    setObjectName("Cartelle");
    setModal(true);
    setWindowTitle(QString::fromStdString(model_.title));

    auto* heading = plain_label(model_.heading, "heading", this);
    QFont heading_font = heading->font();
    heading_font.setPointSizeF(heading_font.pointSizeF() * 1.6);
    heading_font.setBold(true);
    heading->setFont(heading_font);
    heading->setAlignment(Qt::AlignCenter);

    auto* text = plain_label(model_.text, "text", this);
    text->setWordWrap(true);
    // Wide enough for the sentence to take two lines rather than a narrow column.
    text->setMinimumWidth(text->fontMetrics().horizontalAdvance(text->text()) * 11 / 20);

    // The paths in a sunken box, each after a folder icon, so that they read as paths.
    auto* paths = new QFrame(this);
    paths->setFrameShape(QFrame::StyledPanel);
    paths->setBackgroundRole(QPalette::Base);
    paths->setAutoFillBackground(true);
    auto* path_grid = new QGridLayout(paths);
    path_grid->setHorizontalSpacing(10);
    path_grid->setVerticalSpacing(8);
    path_grid->setContentsMargins(12, 10, 12, 10);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const int icon_size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    const QIcon folder_icon = style()->standardIcon(QStyle::SP_DirIcon);
    const std::vector<std::string> folders = Cartelle::folders();
    for (int row = 0; row < static_cast<int>(folders.size()); ++row) {
        auto* icon = new QLabel(paths);
        icon->setPixmap(folder_icon.pixmap(icon_size, icon_size));
        const std::string name = "folder" + std::to_string(row + 1);
        auto* path = plain_label(folders[static_cast<std::size_t>(row)], name.c_str(), paths);
        path->setFont(fixed);
        path->setTextInteractionFlags(Qt::TextSelectableByMouse);
        path_grid->addWidget(icon, row, 0);
        path_grid->addWidget(path, row, 1);
    }
    path_grid->setColumnStretch(1, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("OK");
    ok->setDefault(true);
    ok->setMinimumWidth(ok->fontMetrics().horizontalAdvance(QStringLiteral("OK")) * 5);
    connect(ok, &QPushButton::clicked, this, &FolderCreationWindow::create_folders);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(14);
    layout->addWidget(heading);
    layout->addWidget(text);
    layout->addWidget(paths);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

void FolderCreationWindow::create_folders() {
    if (finished_) return;
    finished_ = true;
    if (Cartelle::create())
        prompter_.ask({model_.done, Icon::information, Buttons::ok, program_title});
    else
        prompter_.ask({"Impossibile creare le cartelle del programma", Icon::critical, Buttons::ok, program_title});
    emit finished_program();
    accept();
}

void FolderCreationWindow::reject() {
    if (!finished_) {
        finished_ = true;
        prompter_.ask({model_.not_loaded, Icon::none, Buttons::ok, program_title});
        emit finished_program();
    }
    QDialog::reject();
}

}  // namespace norvexa
