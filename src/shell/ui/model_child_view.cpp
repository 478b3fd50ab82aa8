#include "shell/ui/model_child_view.h"

#include <QHideEvent>

namespace norvexa {

ModelChildView::ModelChildView(std::function<bool()> shown, std::function<void()> close_clicked,
                               std::function<void()> after, QWidget* parent)
    : ModelView(parent),
      shown_(std::move(shown)),
      close_clicked_(std::move(close_clicked)),
      after_(std::move(after)) {}

void ModelChildView::show_frame(QWidget* focus) {
    ModelView::open();
    // The focus inside the window: the area makes active again the child holding it when
    // the program comes back to the front.
    focus->setFocus(Qt::OtherFocusReason);
    after();
}

void ModelChildView::close_when_unloaded() {
    if (!shown_() && frame()->isVisible()) frame()->close();
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
