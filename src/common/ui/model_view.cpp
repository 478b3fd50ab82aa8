#include "common/ui/model_view.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace norvexa {

QWidget* ModelView::frame() {
    if (auto* child = qobject_cast<QMdiSubWindow*>(parentWidget())) return child;
    return this;
}

void ModelView::open() {
    // Closing the MDI child closed the view inside it too: both show again.
    show();
    QWidget* window = frame();
    window->show();
    if (auto* child = qobject_cast<QMdiSubWindow*>(window); child && child->mdiArea())
        child->mdiArea()->setActiveSubWindow(child);
    else
        activateWindow();
}

void ModelView::close_window() { frame()->close(); }

void ModelView::place(QMdiSubWindow& child) { child.resize(child.sizeHint()); }

QMdiSubWindow* add_to_area(QMdiArea& area, ModelView& view, Qt::WindowFlags flags) {
    QMdiSubWindow* child = area.addSubWindow(&view, flags);
    child->setAttribute(Qt::WA_DeleteOnClose, false);
    child->setObjectName(view.objectName() + "Window");
    view.place(*child);
    return child;
}

}  // namespace norvexa
