#include "shell/ui/info_window_view.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ui/activation_watch.h"

namespace norvexa {
namespace {

QLabel* label(const char* name, const Control& control, double scale = 1.0, bool bold = false) {
    auto* shown = new QLabel(QString::fromStdString(control.text));
    shown->setObjectName(name);
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
    : ModelChildView([this] { return model_.visible; }, [this] { model_.Command2_Click(); }, std::move(after), parent),
      model_(model) {
    setObjectName("INFOrmazioni");
    setWindowTitle(QString::fromStdString(model_.caption));

    QLabel* title = label("Label1", model_.Label1, 1.8, true);
    QFont title_font = title->font();
    title_font.setFamilies({"Copperplate Gothic Light", "Liberation Serif", "serif"});
    title->setFont(title_font);
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    ok_ = new QPushButton(QString::fromStdString(model_.Command2.text));
    ok_->setObjectName("Command2");
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] {
        model_.Command2_Click();
        handled();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addWidget(title);
    QLabel* subtitle = label("Label2", model_.Label2, 1.0, true);
    layout->addWidget(subtitle);
    layout->addWidget(rule);
    layout->addSpacing(8);
    layout->addWidget(label("Label3", model_.Label3));
    layout->addWidget(label("Label4", model_.Label4, 1.1, true));
    layout->addSpacing(8);
    layout->addWidget(label("Label5", model_.Label5));
    layout->addWidget(label("Label6", model_.Label6, 1.1, true));
    layout->addSpacing(8);
    QLabel* terms = label("Label7", model_.Label7, 0.9);
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

void InfoWindowView::refresh() { close_when_unloaded(); }

void InfoWindowView::handled() {
    refresh();
    after();
}

}  // namespace norvexa
