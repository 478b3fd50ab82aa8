#include "shell/ui/standards_window_view.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/ui/activation_watch.h"

namespace norvexa {
namespace {

QString qstring(const std::string& text) { return QString::fromStdString(text); }

std::string icon_name(std::size_t index) { return "OLE" + std::to_string(index + 1); }

}  // namespace

StandardsWindowView::StandardsWindowView(StandardsWindow& model, OutsideViewer& viewer, Prompter& prompter,
                                         std::function<void()> after, QWidget* parent)
    : ModelChildView([this] { return model_.is_visible(); }, [this] { model_.click("Command2"); }, std::move(after),
                     parent),
      model_(model),
      viewer_(viewer),
      prompter_(prompter) {
    setObjectName("NORMATIVA");
    setWindowTitle(qstring(model_.caption));
    const QIcon document_icon =
        QIcon::fromTheme("application-pdf", QIcon::fromTheme("x-office-document", style()->standardIcon(QStyle::SP_FileIcon)));

    binder_ = new ControlBinder(model_, [this] { handled(); }, this);
    QWidget* frame1 = binder_->bind("Frame1");
    QWidget* frame2 = binder_->bind("Frame2");
    auto* layout1 = new QHBoxLayout(frame1);
    auto* layout2 = new QHBoxLayout(frame2);
    // The binder shows a picture as a bare label; the icons are tool buttons of the
    // window's own, the document's icon over its caption, opened by a double click.
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        auto* button = new QToolButton;
        button->setObjectName(QString::fromStdString(icon_name(i)));
        button->setText(qstring(model_.find(icon_name(i))->text));
        button->setIcon(document_icon);
        button->setIconSize(QSize(40, 40));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QString(20, 'x')));
        button->installEventFilter(this);
        icons_[i] = button;
        (std::string_view(StandardsWindow::documents[i].frame) == "Frame1" ? layout1 : layout2)->addWidget(button);
    }
    layout1->addStretch(1);

    close_ = static_cast<QPushButton*>(binder_->bind("Command2"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(frame2);
    layout->addLayout(buttons);

    new ActivationWatch(
        this,
        [this] {
            model_.Form_Activate();
            handled();
        },
        [this] {
            model_.Form_Deactivate();
            handled();
        });
    refresh();
}

void StandardsWindowView::open() {
    model_.show();
    refresh();
    show_frame(close_);
}

void StandardsWindowView::refresh() {
    binder_->refresh();
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        icons_[i]->setEnabled(model_.find(icon_name(i))->enabled);
        icons_[i]->setToolTip(qstring(model_.OLE_tip(i)));
    }
    close_when_unloaded();
}

void StandardsWindowView::handled() {
    refresh();
    after();
}

void StandardsWindowView::activate_icon(std::size_t index) {
    model_.OLE_DblClick(index, viewer_, prompter_);
    handled();
}

bool StandardsWindowView::eventFilter(QObject* watched, QEvent* event) {
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        if (watched != icons_[i]) continue;
        if (event->type() == QEvent::MouseButtonDblClick) {
            activate_icon(i);
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                activate_icon(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace norvexa
