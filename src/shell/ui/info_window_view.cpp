#include "shell/ui/info_window_view.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ui/activation_watch.h"

namespace norvexa {
namespace {

// One of the window's texts, centred and wrapped, in its size and weight.
QLabel* styled(QWidget* widget, double scale = 1.0, bool bold = false) {
    auto* shown = static_cast<QLabel*>(widget);
    shown->setWordWrap(true);
    shown->setAlignment(Qt::AlignHCenter);
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = shown->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    shown->setFont(font);
    return shown;
}

}  // namespace

InfoWindowView::InfoWindowView(InfoWindow& model, std::function<void()> after, QWidget* parent)
    : ModelChildView([this] { return model_.is_visible(); }, [this] { model_.click("Command2"); }, std::move(after),
                     parent),
      model_(model) {
    setObjectName("INFOrmazioni");
    setWindowTitle(QString::fromStdString(model_.caption));
    binder_ = new ControlBinder(model_, [this] { handled(); }, this);
    binder_->bind_all();

    QLabel* title = styled(binder_->widget("Label1"), 1.8, true);
    QFont title_font = title->font();
    title_font.setFamilies({"Copperplate Gothic Light", "Liberation Serif", "serif"});
    title->setFont(title_font);
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    ok_ = static_cast<QPushButton*>(binder_->widget("Command2"));
    ok_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addWidget(title);
    QLabel* subtitle = styled(binder_->widget("Label2"), 1.0, true);
    layout->addWidget(subtitle);
    layout->addWidget(rule);
    layout->addSpacing(8);
    layout->addWidget(styled(binder_->widget("Label3")));
    layout->addWidget(styled(binder_->widget("Label4"), 1.1, true));
    layout->addSpacing(8);
    layout->addWidget(styled(binder_->widget("Label5")));
    layout->addWidget(styled(binder_->widget("Label6"), 1.1, true));
    layout->addSpacing(8);
    QLabel* terms = styled(binder_->widget("Label7"), 0.9);
    terms->setAlignment(Qt::AlignJustify);
    layout->addWidget(terms);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    // The subtitle on one line; the other blocks wrap to its width.
    setMinimumWidth(subtitle->fontMetrics().horizontalAdvance(subtitle->text()) + 2 * 24 + 16);

    new ActivationWatch(this, nullptr, [this] {
        model_.Form_Deactivate();
        handled();
    });
}

void InfoWindowView::open() {
    model_.show();
    show_frame(ok_);
}

void InfoWindowView::refresh() {
    binder_->refresh();
    close_when_unloaded();
}

void InfoWindowView::handled() {
    refresh();
    after();
}

}  // namespace norvexa
