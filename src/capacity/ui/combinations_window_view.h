#pragma once

#include <functional>

#include "capacity/combinations_window.h"
#include "common/file_chooser.h"
#include "common/ui/control_binder.h"
#include "common/ui/model_view.h"

class QLabel;
class QTableWidget;

namespace norvexa::capacity {

class CapacityPlot;

// The window "Pressoflessione": the code choice and the service settings, the table of
// combinations with their results (the kind picked from a list), the service rows' checks
// and the detailing rules under it, the notice when the results are not current, the M–N domain and the selected
// row's moment–curvature diagram side by side, each exported from its context menu as
// SVG or PNG through the file dialogs, and the buttons.
class CombinationsWindowView : public ModelView {
  public:
    // after: called once the model has handled an event, to refresh every window.
    // outside: a revision that changes whenever the rows may have been replaced from
    // outside the window (a project opened).
    CombinationsWindowView(CombinationsWindow& model, std::function<void()> after,
                           std::function<unsigned long()> outside, FileChooser& files, QWidget* parent = nullptr);
    ~CombinationsWindowView() override;
    void refresh() override;
    unsigned long model_revision() const override { return model_.revision() + outside_(); }
    QWidget* control(std::string_view name) const { return binder_->widget(name); }
    QTableWidget* table() const { return table_; }
    QTableWidget* service_table() const { return service_; }
    CapacityPlot* domain_plot() const { return domain_; }
    CapacityPlot* curvature_plot() const { return curvature_; }
    // Within the area, below the title strip's height from its top.
    void place(QMdiSubWindow& child) override;

  private:
    void typed(int row, int column);
    void paste();
    void fill_row(int row);
    void fill_service();
    void add_exports(CapacityPlot& plot, const QString& name);

    CombinationsWindow& model_;
    std::function<void()> after_;
    std::function<unsigned long()> outside_;
    ControlBinder* binder_;
    FileChooser& files_;
    QTableWidget* table_;
    QTableWidget* service_;
    QWidget* service_part_;
    QLabel* detailing_;
    CapacityPlot *domain_, *curvature_;
    FileDialog svg_dialog_{"", "SVG (*.svg)|*.svg"}, png_dialog_{"", "PNG (*.png)|*.png"};
    bool filling_ = false;
};

}  // namespace norvexa::capacity
