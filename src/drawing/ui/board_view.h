#pragma once

#include <map>
#include <string>

#include <QGraphicsView>

#include "drawing/analysis_window.h"

class QGraphicsItem;
class QGraphicsScene;

namespace norvexa {

// The drawing board as a scene in twips, one item per board element, shown at 15 twips a
// pixel unless scaled to its window. Pointer moves over it go to the analysis window's
// handler in board units; the pointer leaving it, however fast, is the pointer off the board.
class BoardView : public QGraphicsView {
  public:
    // label_font: the font the labels are measured and drawn with, at screen size.
    BoardView(AnalysisWindow& model, const QFont& label_font, QWidget* parent = nullptr);

    // Shows every element's place, size, visibility, colours and text.
    void refresh();
    // Shows the board at that share of its size of 15 twips a pixel, its proportions kept.
    void set_scale(double scale);
    double scale() const { return scale_; }
    QGraphicsScene* board() const { return scene_; }
    // The item of a board element; nullptr for an unknown name.
    QGraphicsItem* item(const std::string& name) const;

    // Called after each pointer move or leave has reached the model.
    std::function<void()> after;

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    AnalysisWindow& model_;
    QGraphicsScene* scene_;
    QFont scene_font_;  // the label font in twips
    double scale_ = 0;
    std::map<std::string, QGraphicsItem*> items_;
};

}  // namespace norvexa
