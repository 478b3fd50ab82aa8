#pragma once

#include <functional>

#include <QElapsedTimer>

#include "common/ui/model_view.h"
#include "common/file_chooser.h"
#include "common/outside_viewer.h"
#include "common/prompter.h"
#include "common/ui/control_binder.h"
#include "report/report_window.h"

class QMenuBar;
class QTextEdit;
class QToolButton;

namespace norvexa {

// The report window: its own menu bar, the report in a read-only monospaced box, the
// save, refresh and close buttons, and the frame of the two outside viewers. The owner
// runs the model's Form_Load before showing it and places it at the model's top and left.
// The view gives the model the services its buttons use.
class ReportWindowView : public ModelView {
  public:
    // source: the report's input as the program holds it now, for "Aggiorna".
    // after: called once the model has handled an event, to refresh every window.
    ReportWindowView(ReportWindow& model, std::function<ReportData()> source, Prompter& prompter,
                     FileChooser& files, OutsideViewer& viewer, std::function<void()> after,
                     QWidget* parent = nullptr);

    // Shows the model: the report (kept at the place scrolled to) and the frame's state.
    void refresh() override;
    unsigned long model_revision() const override { return model_.revision(); }
    // At the model's top and left, sized to the view.
    void place(QMdiSubWindow& child) override;
    QSize sizeHint() const override;

    QMenuBar* menu_bar() const { return menu_bar_; }
    QTextEdit* text_box() const { return rtxt_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void open_with(QToolButton* button);

    ReportWindow& model_;
    std::function<void()> after_;
    ControlBinder* binder_;
    QMenuBar* menu_bar_;
    QTextEdit* rtxt_;
    QToolButton* OLE1_;
    QToolButton* OLE2_;
    // A double-click on an icon, the old program's way, opens its file once.
    QToolButton* last_opened_ = nullptr;
    QElapsedTimer since_opened_;
};

}  // namespace norvexa
