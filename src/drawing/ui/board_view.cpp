#include "drawing/ui/board_view.h"

#include <cstring>

#include <QFontInfo>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QMouseEvent>

#include "common/ui/twips.h"

namespace norvexa {
namespace {

using Kind = BoardElement::Kind;

constexpr qreal line_width = 15;    // one pixel
constexpr qreal circle_width = 30;  // two pixels

// A label: its box, filled and bordered as the element says, with the text inside.
class LabelItem : public QGraphicsRectItem {
  public:
    explicit LabelItem(const QFont& font) : text_(new QGraphicsSimpleTextItem(this)) { text_->setFont(font); }
    void show(const BoardElement& e) {
        setRect(e.left, e.top, e.width, e.height);
        setBrush(e.filled ? QBrush(to_qcolor(e.back)) : Qt::NoBrush);
        setPen(e.border ? QPen(to_qcolor(e.fore), line_width) : Qt::NoPen);
        const QString text = QString::fromStdString(e.text);
        if (text_->text() != text) text_->setText(text);
        text_->setBrush(to_qcolor(e.fore));
        text_->setPos(e.left, e.top + (e.height - text_->boundingRect().height()) / 2);
    }

  private:
    QGraphicsSimpleTextItem* text_;
};

QGraphicsItem* make_item(const BoardElement& e, const QFont& font) {
    switch (e.kind) {
        case Kind::line: return new QGraphicsLineItem;
        case Kind::circle: return new QGraphicsEllipseItem;
        case Kind::label: return new LabelItem(font);
        case Kind::rectangle:
        case Kind::frame: break;
    }
    return new QGraphicsRectItem;
}

void show_element(QGraphicsItem* item, const BoardElement& e) {
    item->setVisible(e.visible);
    item->setToolTip(QString::fromStdString(e.tip));
    switch (e.kind) {
        case Kind::line: {
            auto* line = static_cast<QGraphicsLineItem*>(item);
            line->setLine(e.x1, e.y1, e.x2, e.y2);
            line->setPen(QPen(to_qcolor(e.fore), line_width));
            break;
        }
        case Kind::circle: {
            auto* circle = static_cast<QGraphicsEllipseItem*>(item);
            circle->setRect(e.left, e.top, e.width, e.height);
            circle->setPen(QPen(to_qcolor(e.fore), circle_width));
            circle->setBrush(Qt::NoBrush);
            break;
        }
        case Kind::label: static_cast<LabelItem*>(item)->show(e); break;
        case Kind::rectangle:
        case Kind::frame: {
            auto* rectangle = static_cast<QGraphicsRectItem*>(item);
            rectangle->setRect(e.left, e.top, e.width, e.height);
            rectangle->setBrush(e.filled ? QBrush(to_qcolor(e.back)) : Qt::NoBrush);
            rectangle->setPen(e.border ? QPen(to_qcolor(e.fore), line_width) : Qt::NoPen);
            break;
        }
    }
}

}  // namespace

BoardView::BoardView(AnalysisWindow& model, const QFont& label_font, QWidget* parent)
    : QGraphicsView(parent), model_(model), scene_(new QGraphicsScene(this)), scene_font_(label_font) {
    setObjectName("TAVOLA");
    scene_font_.setPixelSize(QFontInfo(label_font).pixelSize() * twips_per_pixel);
    scene_->setSceneRect(0, 0, Board::width, Board::height);
    scene_->setBackgroundBrush(Qt::white);
    setScene(scene_);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setRenderHint(QPainter::Antialiasing);
    set_scale(1);
    setMouseTracking(true);
    // The board's own elements, back to front; the result panel is a widget of its own.
    qreal z = 0;
    for (const auto& [name, element] : model_.board.elements()) {
        if (std::strcmp(name, "Frame1") == 0) break;
        QGraphicsItem* item = make_item(*element, scene_font_);
        item->setZValue(z++);
        item->setData(0, QString(name));
        scene_->addItem(item);
        items_.emplace(name, item);
    }
    refresh();
}

QGraphicsItem* BoardView::item(const std::string& name) const {
    const auto found = items_.find(name);
    return found == items_.end() ? nullptr : found->second;
}

void BoardView::set_scale(double scale) {
    if (scale == scale_) return;
    scale_ = scale;
    setTransform(QTransform::fromScale(scale / twips_per_pixel, scale / twips_per_pixel));
    setFixedSize(qRound(Board::width * scale / twips_per_pixel), qRound(Board::height * scale / twips_per_pixel));
}

void BoardView::refresh() {
    for (const auto& [name, element] : model_.board.elements()) {
        const auto found = items_.find(name);
        if (found != items_.end()) show_element(found->second, *element);
    }
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = mapToScene(event->position().toPoint());
    model_.TAVOLA_MouseMove(static_cast<int>(event->buttons()), static_cast<int>(event->modifiers()),
                            static_cast<float>(at.x()), static_cast<float>(at.y()));
    if (after) after();
    QGraphicsView::mouseMoveEvent(event);
}

void BoardView::leaveEvent(QEvent* event) {
    model_.FRAMEZ_MouseMove();
    if (after) after();
    QGraphicsView::leaveEvent(event);
}

}  // namespace norvexa
