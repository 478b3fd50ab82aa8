#include "drawing/ui/analysis_window_view.h"

#include <QApplication>
#include <QEvent>
#include <QVBoxLayout>

#include "common/ui/twips.h"
#include "drawing/ui/board_view.h"
#include "drawing/ui/result_panel.h"

namespace norvexa {

AnalysisWindowView::AnalysisWindowView(AnalysisWindow& model, const QFont& label_font, QWidget* parent)
    : ModelView(parent), model_(model) {
    setObjectName("formsez");
    setWindowTitle("Analisi sezione");
    setAutoFillBackground(true);  // Frame6: the band around the inner frame
    inner_ = new QWidget;
    inner_->setObjectName("FRAMEZ");
    inner_->setAutoFillBackground(true);
    inner_->setMouseTracking(true);
    inner_->installEventFilter(this);
    board_ = new BoardView(model_, label_font);
    board_->after = [this] { board_->refresh(); };
    panel_ = new ResultPanel(model_);
    panel_->setMouseTracking(true);
    panel_->installEventFilter(this);

    auto* inner_layout = new QVBoxLayout(inner_);
    inner_layout->setContentsMargins(to_pixels(120), to_pixels(120), to_pixels(120), to_pixels(120));
    inner_layout->addWidget(board_, 0, Qt::AlignLeft);
    inner_layout->addWidget(panel_);
    inner_layout->addStretch(1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(to_pixels(115), to_pixels(130), 0, 0);
    outer->addWidget(inner_);
    refresh();
}

void AnalysisWindowView::refresh() {
    QPalette band = palette();
    band.setColor(QPalette::Window, to_qcolor(model_.board.Frame6.back));
    if (band != palette()) setPalette(band);
    QPalette inner = inner_->palette();
    inner.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    if (inner != inner_->palette()) inner_->setPalette(inner);
    board_->refresh();
    panel_->refresh();
}

bool AnalysisWindowView::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == inner_ || watched == panel_) && event->type() == QEvent::MouseMove) {
        model_.FRAMEZ_MouseMove();
        board_->refresh();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace norvexa
