#pragma once

#include <functional>

#include <QPointer>

#include "common/ui/model_view.h"
#include "common/ui/control_binder.h"
#include "input/form3.h"

class QComboBox;

namespace norvexa {

// The title strip: the project title, an editable list of the titles used since start,
// with the program's heading and picture. The title is a list box of the strip's own, in
// the style's colours, whose events go to the model's entry points.
class Form3Window : public ModelView {
  public:
    // after: called once the title has handled an event, to refresh every window.
    Form3Window(Form3& model, std::function<void()> after, QWidget* parent = nullptr);

    // Shows the model: title, list, and the focus with its selection when the model gives it.
    void refresh() override;
    unsigned long model_revision() const override { return model_.revision(); }
    QComboBox* title_field() const { return title_; }
    // The widget the Tab key moves to from the title, in another window of the program:
    // the title is the strip's only field, and Tab would otherwise stay in the strip.
    void set_next_in_tab_order(QWidget* next) { next_ = next; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Form3& model_;
    std::function<void()> after_;
    ControlBinder* binder_;
    QComboBox* title_;
    QPointer<QWidget> next_;
};

}  // namespace norvexa
