#pragma once

#include <map>
#include <string>
#include <vector>

#include <QWidget>

#include "drawing/analysis_window.h"

class QFrame;
class QLabel;

namespace norvexa {

// The result panel below the board: one line per bar layer, the concrete, the depths,
// the moments with the verdict, and the shear block; every value from the last run. While
// those results no longer belong to the form, a notice above them says so and the
// verdicts are greyed.
class ResultPanel : public QWidget {
  public:
    explicit ResultPanel(AnalysisWindow& model, QWidget* parent = nullptr);

    void refresh();
    // The panel's height with the blocks of all four layers shown.
    int full_height() const;
    // The label showing the named result (lx, vf, Label48, ...); nullptr when none.
    QLabel* result(const std::string& name) const;

  private:
    struct Shown {
        const Control* control;
        QLabel* label;
    };
    QLabel* value(const char* name, const Control& control, bool boxed = false);
    QWidget* layer_row(int layer);
    QWidget* concrete_row();
    QWidget* depth_row();
    QWidget* moment_rows();
    QWidget* shear_block();

    AnalysisWindow& model_;
    std::map<std::string, Shown> values_;
    std::vector<QWidget*> layer_rows_;
    std::vector<QLabel*> layer_captions_;
    QWidget* concrete_ = nullptr;
    QFrame* swatch_ = nullptr;
    QWidget* shear_ = nullptr;
    QLabel* outdated_ = nullptr;  // the notice that the results no longer belong to the form
};

}  // namespace norvexa
