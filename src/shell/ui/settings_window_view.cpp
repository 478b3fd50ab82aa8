#include "shell/ui/settings_window_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ui/activation_watch.h"

namespace norvexa {

SettingsWindowView::SettingsWindowView(Colori& model, std::function<void()> after, QWidget* parent)
    : ModelView(parent), model_(model) {
    setObjectName("colori");
    setWindowTitle(QString::fromStdString(model_.caption));
    binder_ = new ControlBinder(model_, std::move(after), this);
    // The window closes, without saving, once another window is active.
    new ActivationWatch(this, nullptr, [this] { model_.Form_Deactivate(); });
    binder_->bind_all();
    for (int i = 0; i < 4; ++i) binder_->show_as_value("Label1_" + std::to_string(i));

    auto* colours = new QGridLayout(control("frameColours"));
    for (int i = 0; i < 4; ++i) {
        QWidget* swatch = control("Label1_" + std::to_string(i));
        swatch->setMinimumWidth(swatch->fontMetrics().horizontalAdvance("Linea finestra input/output") + 24);
        colours->addWidget(swatch, i, 0);
        colours->addWidget(control("Command" + std::to_string(i + 1)), i, 1);
    }
    auto* sliders = new QGridLayout(control("frameSliders"));
    sliders->addWidget(control("lblC1"), 0, 0);
    sliders->addWidget(control("c1"), 0, 1);
    sliders->addWidget(control("lblC2"), 1, 0);
    sliders->addWidget(control("c2"), 1, 1);
    sliders->setColumnStretch(1, 1);

    auto* defaults = new QHBoxLayout;
    defaults->addWidget(control("lblDefaults"), 1);
    defaults->addWidget(control("Command8"));
    auto* warning = static_cast<QLabel*>(control("lblWarning"));
    warning->setWordWrap(true);
    warning->setStyleSheet("color: #a00000;");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = static_cast<QPushButton*>(control("Command7"));
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(control("Command6"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(control("frameColours"));
    layout->addWidget(control("frameSliders"));
    layout->addLayout(defaults);
    layout->addWidget(warning);
    layout->addLayout(buttons);
    refresh();
}

// Gone once closed, with whatever was changed and not confirmed.
SettingsWindowView::~SettingsWindowView() { model_.Form_Unload(); }

void SettingsWindowView::place(QMdiSubWindow& child) {
    child.adjustSize();
    const QSize area = child.mdiArea()->size();
    child.move((area.width() - child.width()) / 2, (area.height() - child.height()) / 3);
}

}  // namespace norvexa
