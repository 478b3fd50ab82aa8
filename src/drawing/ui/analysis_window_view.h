#pragma once

#include "common/ui/model_view.h"
#include "drawing/analysis_window.h"

class QScrollArea;

namespace norvexa {

class BoardView;
class ResultPanel;

// The analysis window: a band in the window-line colour around the board and, below
// the board, the result panel. The pointer over the window but off the board resets the
// read-out. The board takes the room the panel leaves, its proportions kept, from half
// its size up to twice; what still does not fit scrolls inside the band.
class AnalysisWindowView : public ModelView {
  public:
    // after: called once a pointer move has reached the model, to refresh every window.
    // The pointer changes only the board (its read-out and bar lists), so the window
    // redraws its board after a pointer move, not the whole program.
    AnalysisWindowView(AnalysisWindow& model, const QFont& label_font, QWidget* parent = nullptr);

    void refresh() override;
    // The board at its size and the panel with all four layers, inside the band.
    QSize sizeHint() const override;
    unsigned long model_revision() const override { return model_.revision(); }
    BoardView* board() const { return board_; }
    ResultPanel* panel() const { return panel_; }
    // The inner frame holding the board and the panel, as printing takes it.
    QWidget* inner_frame() const { return inner_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Scales the board to the room inside the band.
    void fit_board();

    AnalysisWindow& model_;
    QScrollArea* scroll_;
    QWidget* inner_;
    BoardView* board_;
    ResultPanel* panel_;
};

}  // namespace norvexa
