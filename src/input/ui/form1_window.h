#pragma once

#include <functional>
#include <string_view>


#include "common/ui/model_view.h"
#include "common/ui/control_binder.h"
#include "input/form1.h"

class QGridLayout;

namespace norvexa {

// The section input window: one widget per control of the model, named by the control,
// grouped in its frames, with the layer table and the four bar-list pages on tabs.
class Form1Window : public ModelView {
  public:
    // after: called once the form has handled an event, to refresh every window.
    Form1Window(Form1& model, std::function<void()> after, QWidget* parent = nullptr);

    // Shows the model in every widget.
    void refresh() override { binder_->refresh(); }
    unsigned long model_revision() const override { return model_.revision(); }
    QWidget* control(std::string_view name) const { return binder_->widget(name); }

  private:
    QWidget* bound(const char* name);
    void set_tab_order();
    QWidget* shape_group();
    QWidget* sizes_group();
    QWidget* bars_group();
    QWidget* bar_page(int layer);
    QWidget* stirrups_group();
    QWidget* actions_group();
    QWidget* precision_group();
    QWidget* property_column(const char* frame, const char* list_frame, const char* list, const char* stem,
                             const char* caption_stem, int count);

    Form1& model_;
    ControlBinder* binder_;
};

}  // namespace norvexa
