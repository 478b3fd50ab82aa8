#include "common/ui/message_box.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSpacerItem>
#include <QTextDocument>

namespace norvexa {
namespace {

QMessageBox::Icon qt_icon(Icon icon) {
    switch (icon) {
        case Icon::critical: return QMessageBox::Critical;
        case Icon::warning: return QMessageBox::Warning;
        case Icon::information: return QMessageBox::Information;
        case Icon::none: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qt_buttons(Buttons buttons) {
    switch (buttons) {
        case Buttons::yes_no: return QMessageBox::Yes | QMessageBox::No;
        case Buttons::yes_no_cancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::ok: break;
    }
    return QMessageBox::Ok;
}

// The width a title bar needs: the title as the desktop shows it, with the program's
// name after it, in a bold title font, and room for the window's icon and three buttons.
int title_bar_width(const QString& title) {
    const QString name = QGuiApplication::applicationDisplayName();
    const QString shown = title.endsWith(name) ? title : title + QStringLiteral(" \u2014 ") + name;
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int button = 2 * metrics.height();
    return metrics.horizontalAdvance(shown) + 4 * button;
}

// Qt sizes a box to its text and lets the title bar cut a longer title; a spacer across
// the box's grid keeps it at least as wide as its title bar needs.
void hold_title_width(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(title_bar_width(box.windowTitle()), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

Answer MessageBoxPrompter::ask(const Message& message) {
    const QString title = message.title.empty() ? QStringLiteral("Norvexa") : QString::fromStdString(message.title);
    QMessageBox box(qt_icon(message.icon), title, QString::fromStdString(message.text), qt_buttons(message.buttons),
                    parent_);
    box.setObjectName("messageBox");
    // A message quotes what the user typed, which must not be read as markup.
    box.setTextFormat(Qt::PlainText);
    // The detail names a file or a line of one, so it is escaped for the label, which
    // reads markup.
    if (!message.detail.empty()) box.setInformativeText(Qt::convertFromPlainText(QString::fromStdString(message.detail)));
    hold_title_width(box);
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::yes;
        case QMessageBox::No: return Answer::no;
        case QMessageBox::Cancel: return Answer::cancel;
        default: break;
    }
    // Closing a question box by its close box or Escape is its Cancel (or No) button.
    if (message.buttons == Buttons::yes_no_cancel) return Answer::cancel;
    if (message.buttons == Buttons::yes_no) return Answer::no;
    return Answer::ok;
}

}  // namespace norvexa
