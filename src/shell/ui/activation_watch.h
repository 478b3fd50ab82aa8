#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace norvexa {

// Tells a window shown in an MDI child when its child window becomes the active one and
// when another child of the same area does. The area losing activation altogether (a
// message box, another program) is neither: the window stays as it is.
class ActivationWatch : public QObject {
  public:
    // content: the widget inside the MDI child; the watch is its child.
    ActivationWatch(QWidget* content, std::function<void()> activated, std::function<void()> deactivated);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void attach();

    QWidget* content_;
    std::function<void()> activated_, deactivated_;
    QPointer<QMdiArea> area_;
};

}  // namespace norvexa
