#include "shell/ui/standards_window_view.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
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

}  // namespace

StandardsWindowView::StandardsWindowView(StandardsWindow& model, OutsideViewer& viewer, Prompter& prompter,
                                         std::function<void()> after, QWidget* parent)
    : ModelChildView([this] { return model_.visible; }, [this] { model_.Command2_Click(); }, std::move(after), parent),
      model_(model),
      viewer_(viewer),
      prompter_(prompter) {
    setObjectName("NORMATIVA");
    setWindowTitle(qstring(model_.caption));
    const QIcon document_icon =
        QIcon::fromTheme("application-pdf", QIcon::fromTheme("x-office-document", style()->standardIcon(QStyle::SP_FileIcon)));

    auto* frame1 = new QGroupBox(qstring(model_.Frame1.text));
    frame1->setObjectName("Frame1");
    auto* frame2 = new QGroupBox(qstring(model_.Frame2.text));
    frame2->setObjectName("Frame2");
    auto* layout1 = new QHBoxLayout(frame1);
    auto* layout2 = new QHBoxLayout(frame2);
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        auto* button = new QToolButton;
        button->setObjectName(QString("OLE%1").arg(i + 1));
        button->setText(qstring(model_.OLE[i].text));
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

    close_ = new QPushButton(qstring(model_.Command2.text));
    close_->setObjectName("Command2");
    connect(close_, &QPushButton::clicked, this, [this] {
        model_.Command2_Click();
        handled();
    });

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
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        icons_[i]->setEnabled(model_.OLE[i].enabled);
        icons_[i]->setToolTip(qstring(model_.OLE_tip[i]));
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
