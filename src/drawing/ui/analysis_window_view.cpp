#include "drawing/ui/analysis_window_view.h"

#include <QApplication>
#include <QEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include "common/ui/twips.h"
#include "drawing/ui/board_view.h"
#include "drawing/ui/result_panel.h"

namespace norvexa {
namespace {

constexpr double smallest_board = 0.5, largest_board = 2;
const int inner_margin = to_pixels(120);
const QMargins band(to_pixels(115), to_pixels(130), 0, 0);

}  // namespace

AnalysisWindowView::AnalysisWindowView(AnalysisWindow& model, const QFont& label_font, QWidget* parent)
    : ModelView(parent), model_(model) {
    setObjectName("formsez");
    setWindowTitle("Analisi sezione");
    setAutoFillBackground(true);  // Frame6: the band around the inner frame
    scroll_ = new QScrollArea;
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
    inner_layout->setContentsMargins(inner_margin, inner_margin, inner_margin, inner_margin);
    inner_layout->addWidget(board_, 0, Qt::AlignLeft);
    inner_layout->addWidget(panel_);
    inner_layout->addStretch(1);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(inner_);
    scroll_->viewport()->installEventFilter(this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(band);
    outer->addWidget(scroll_);
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
    fit_board();
}

QSize AnalysisWindowView::sizeHint() const {
    const int spacing = inner_->layout()->spacing();
    const QSize board(to_pixels(Board::width), to_pixels(Board::height));
    return {band.left() + 2 * inner_margin + std::max(board.width(), panel_->sizeHint().width()),
            band.top() + 2 * inner_margin + board.height() + spacing + panel_->full_height()};
}

void AnalysisWindowView::fit_board() {
    const QSize room = scroll_->viewport()->size() - QSize(2 * inner_margin, 2 * inner_margin);
    const int panel = panel_->isHidden() ? panel_->full_height() : panel_->sizeHint().height();
    const double across = room.width() / static_cast<double>(to_pixels(Board::width));
    const double down = (room.height() - inner_->layout()->spacing() - panel) / static_cast<double>(to_pixels(Board::height));
    board_->set_scale(std::clamp(std::min(across, down), smallest_board, largest_board));
}

bool AnalysisWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize) fit_board();
    if ((watched == inner_ || watched == panel_) && event->type() == QEvent::MouseMove) {
        model_.FRAMEZ_MouseMove();
        board_->refresh();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace norvexa
