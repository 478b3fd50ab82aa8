#pragma once

#include <functional>
#include <string_view>


#include "common/ui/model_view.h"
#include "common/ui/control_binder.h"
#include "materials/library_window.h"

class QGridLayout;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;

namespace norvexa {

// A material library window ("selacciaio" or "selcls"): one widget per control of the
// model, named by the control; the list on the left, the fields on their tab on the
// right, the commands below.
class LibraryWindowView : public ModelView {
  public:
    // after: called once the model has handled an event, to refresh every window; the
    // view refreshes only itself when it is unset.
    LibraryWindowView(LibraryWindow& model, std::function<void()> after, QWidget* parent = nullptr);

    // The child, kept across closes: it becoming active activates the model, another
    // child becoming active closes it.
    void place(QMdiSubWindow& child) override;
    // What the menu, the input form's tool bar and its lists' double click do: the model
    // shown, then the window shown and made the active child.
    void open() override;
    // Shows the model in every widget.
    void refresh() override;
    unsigned long model_revision() const override { return model_.revision(); }
    QWidget* control(std::string_view name) const { return binder_->widget(name); }

  protected:
    // Closed by its close box or by the desktop: the model unloads.
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* bound(const std::string& name) const { return binder_->widget(name); }
    void handled();
    void build_tool_bar();
    QWidget* fields_tab();
    void set_tab_order();

    LibraryWindow& model_;
    std::function<void()> after_;
    ControlBinder* binder_;
    QToolBar* tool_bar_ = nullptr;
    QGridLayout* fields_grid_ = nullptr;
    int title_room_ = 0;  // what the frame's caption takes above the fields, pixels
};

}  // namespace norvexa
