#include "shell/ui/model_child_view.h"

#include <QHideEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace norvexa {

ModelChildView::ModelChildView(std::function<bool()> shown, std::function<void()> close_clicked,
                               std::function<void()> after, QWidget* parent)
    : QWidget(parent),
      shown_(std::move(shown)),
      close_clicked_(std::move(close_clicked)),
      after_(std::move(after)) {}

QWidget* ModelChildView::window_frame() {
    if (auto* child = qobject_cast<QMdiSubWindow*>(parentWidget())) return child;
    return this;
}

void ModelChildView::show_frame(QWidget* focus) {
    // Closing the MDI child closed the view inside it too: both show again.
    show();
    QWidget* frame = window_frame();
    frame->show();
    if (auto* child = qobject_cast<QMdiSubWindow*>(frame); child && child->mdiArea())
        child->mdiArea()->setActiveSubWindow(child);
    // The focus inside the window: the area makes active again the child holding it when
    // the program comes back to the front.
    focus->setFocus(Qt::OtherFocusReason);
    after();
}

void ModelChildView::close_when_unloaded() {
    if (!shown_() && window_frame()->isVisible()) window_frame()->close();
}

void ModelChildView::after() const {
    if (after_) after_();
}

void ModelChildView::hideEvent(QHideEvent* event) {
    // A minimised main window hides its children spontaneously; that closes nothing.
    if (!event->spontaneous() && shown_()) {
        close_clicked_();
        after();
    }
    QWidget::hideEvent(event);
}

}  // namespace norvexa
