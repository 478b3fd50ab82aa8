#include "shell/ui/activation_watch.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace norvexa {

ActivationWatch::ActivationWatch(QWidget* content, std::function<void()> activated,
                                 std::function<void()> deactivated)
    : QObject(content), content_(content), activated_(std::move(activated)), deactivated_(std::move(deactivated)) {
    content_->installEventFilter(this);
}

bool ActivationWatch::eventFilter(QObject* watched, QEvent* event) {
    // The MDI child joins its area after the content is put into it: look on showing.
    if (watched == content_ && event->type() == QEvent::Show) attach();
    return QObject::eventFilter(watched, event);
}

void ActivationWatch::attach() {
    auto* child = qobject_cast<QMdiSubWindow*>(content_->parentWidget());
    if (!child || !child->mdiArea() || child->mdiArea() == area_) return;
    if (area_) disconnect(area_, nullptr, this, nullptr);
    area_ = child->mdiArea();
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
        auto* own = qobject_cast<QMdiSubWindow*>(content_->parentWidget());
        if (!active || !own || !own->isVisible()) return;
        if (active == own) {
            if (activated_) activated_();
        } else if (deactivated_) {
            deactivated_();
        }
    });
}

}  // namespace norvexa
