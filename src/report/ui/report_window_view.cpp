#include "report/ui/report_window_view.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/ui/twips.h"

namespace norvexa {
namespace {

QString qstring(const std::string& text) { return QString::fromStdString(text); }

// The binder shows a picture as a bare label; a viewer is a tool button of the window's
// own, its icon over its caption.
QToolButton* viewer_button(const char* name, const Control& control, const QIcon& icon) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(qstring(control.text));
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

}  // namespace

ReportWindowView::ReportWindowView(ReportWindow& model, std::function<ReportData()> source, Prompter& prompter,
                                   FileChooser& files, OutsideViewer& viewer, std::function<void()> after,
                                   QWidget* parent)
    : ModelView(parent), model_(model), after_(std::move(after)) {
    setObjectName("relaz");
    setWindowTitle(qstring(model_.caption));
    model_.use({std::move(source), prompter, files, viewer});
    binder_ = new ControlBinder(model_, after_, this);

    menu_bar_ = new QMenuBar(this);
    QMenu* menu = menu_bar_->addMenu(qstring(model_.menu_caption));
    for (const ReportMenuItem& item : ReportWindow::menu()) {
        if (item.name.empty()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(qstring(item.caption));
        action->setObjectName(qstring(item.name));
        connect(action, &QAction::triggered, this, [this, button = item.button] {
            model_.click(button);
            if (after_) after_();
        });
    }

    rtxt_ = new QTextEdit;
    rtxt_->setObjectName("rtxt");
    rtxt_->setReadOnly(true);
    rtxt_->setLineWrapMode(QTextEdit::NoWrap);
    QFont mono = rtxt_->font();
    mono.setFamilies({"Courier New", "Liberation Mono", "monospace"});
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(10);
    rtxt_->setFont(mono);
    // The text is selected with the mouse, never typed into: the box hands any focus it
    // gets to "Salva..." and is left out of the Tab order.
    rtxt_->setFocusPolicy(Qt::NoFocus);
    rtxt_->installEventFilter(this);

    QWidget* command1 = binder_->bind("command1");
    QWidget* CommandButton1 = binder_->bind("CommandButton1");
    QWidget* Command2 = binder_->bind("Command2");
    QWidget* Frame1 = binder_->bind("Frame1");
    OLE1_ = viewer_button("OLE1", *model_.find("OLE1"),
                          QIcon::fromTheme("x-office-document", style()->standardIcon(QStyle::SP_FileDialogDetailedView)));
    OLE2_ = viewer_button("OLE2", *model_.find("OLE2"),
                          QIcon::fromTheme("text-x-generic", style()->standardIcon(QStyle::SP_FileIcon)));
    for (QToolButton* button : {OLE1_, OLE2_})
        connect(button, &QToolButton::clicked, this, [this, button] { open_with(button); });
    auto* frame_layout = new QVBoxLayout(Frame1);
    frame_layout->addWidget(OLE1_);
    frame_layout->addWidget(OLE2_);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(command1);
    buttons->addWidget(CommandButton1);
    buttons->addWidget(Command2);
    buttons->addSpacing(fontMetrics().height());
    buttons->addWidget(Frame1);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setMenuBar(menu_bar_);
    layout->addWidget(rtxt_, 1);
    layout->addLayout(buttons);

    setTabOrder(command1, CommandButton1);
    setTabOrder(CommandButton1, Command2);
    setTabOrder(Command2, OLE1_);
    setTabOrder(OLE1_, OLE2_);
    refresh();
}

void ReportWindowView::refresh() {
    binder_->refresh();
    const QString text = qstring(model_.find("rtxt")->text);
    if (rtxt_->toPlainText() != text) {
        QScrollBar* down = rtxt_->verticalScrollBar();
        QScrollBar* across = rtxt_->horizontalScrollBar();
        const int shown_down = down->value(), shown_across = across->value();
        rtxt_->setPlainText(text);
        down->setValue(shown_down);
        across->setValue(shown_across);
    }
}

QSize ReportWindowView::sizeHint() const {
    // The report's widest lines without scrolling across, and some forty of its lines.
    const QFontMetrics metrics(rtxt_->font());
    const int box_width = metrics.horizontalAdvance(QString(84, 'x')) + rtxt_->verticalScrollBar()->sizeHint().width() +
                          2 * rtxt_->frameWidth() + 8;
    const QSize around = layout()->sizeHint() - rtxt_->sizeHint();
    return {around.width() + box_width, std::max(layout()->sizeHint().height(), metrics.lineSpacing() * 40)};
}

bool ReportWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == rtxt_ && event->type() == QEvent::FocusIn)
        binder_->widget("command1")->setFocus(Qt::OtherFocusReason);
    return QWidget::eventFilter(watched, event);
}

void ReportWindowView::open_with(QToolButton* button) {
    if (button == last_opened_ && since_opened_.isValid() &&
        since_opened_.elapsed() < QApplication::doubleClickInterval())
        return;
    last_opened_ = button;
    since_opened_.start();
    model_.click(button == OLE1_ ? "OLE1" : "OLE2");
}

void ReportWindowView::place(QMdiSubWindow& child) {
    child.move(to_pixels(model_.left), to_pixels(model_.top));
    ModelView::place(child);
}

}  // namespace norvexa
