#include "capacity/ui/capacity_plot.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include "common/numbers.h"

namespace norvexa::capacity {
namespace {

// A round step, 1, 2 or 5 times a power of ten, giving about five steps over the span.
double round_step(double span) {
    const double rough = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough) return factor * power;
    return 10 * power;
}

QString number(double value, int decimals) { return QString::fromStdString(rounded_text(value, decimals)); }

int decimals_of(double step) { return std::max(0, static_cast<int>(-std::floor(std::log10(step)))); }

struct Range {
    double low, high, step;
};

// The data's range, a little room added either side, widened to whole steps, the origin
// always inside.
Range range_of(double low, double high) {
    low = std::min(low, 0.0);
    high = std::max(high, 0.0);
    if (high - low <= 0) high = low + 1;
    // A side that the data barely crosses (a rounding below zero) gets no room.
    const double span = high - low, room = span * 0.04;
    if (low < -0.01 * span) low -= room;
    else if (low < 0) low = 0;
    if (high > 0.01 * span) high += room;
    else if (high > 0) high = 0;
    const double step = round_step(high - low);
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

}  // namespace

struct CapacityPlot::Frame {
    QRectF plot;  // the diagram's area inside the axes' captions
    Range x, y;

    QPointF to_screen(QPointF value) const {
        return {plot.left() + (value.x() - x.low) / (x.high - x.low) * plot.width(),
                plot.bottom() - (value.y() - y.low) / (y.high - y.low) * plot.height()};
    }
    QPointF to_value(QPointF point) const {
        return {x.low + (point.x() - plot.left()) / plot.width() * (x.high - x.low),
                y.low + (plot.bottom() - point.y()) / plot.height() * (y.high - y.low)};
    }
};

CapacityPlot::CapacityPlot(QString empty_text, QWidget* parent) : QWidget(parent), empty_text_(std::move(empty_text)) {
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CapacityPlot::show_content(std::optional<PlotContent> content) {
    content_ = std::move(content);
    update();
}

std::optional<CapacityPlot::Frame> CapacityPlot::frame(const QRectF& area) const {
    if (!content_) return std::nullopt;
    double x_low = 0, x_high = 0, y_low = 0, y_high = 0;
    const auto take = [&](QPointF p) {
        x_low = std::min(x_low, p.x());
        x_high = std::max(x_high, p.x());
        y_low = std::min(y_low, p.y());
        y_high = std::max(y_high, p.y());
    };
    for (const auto& line : content_->lines)
        for (QPointF p : line.points) take(p);
    for (const auto& mark : content_->marks) take(mark.at);
    const QFontMetricsF metrics(font());
    const double label = metrics.horizontalAdvance("-00000,0") + 6;
    const double line = metrics.height();
    const QRectF plot = area.adjusted(label, line * 1.8, -line, -line * 2.6);
    if (plot.width() < 20 || plot.height() < 20) return std::nullopt;
    return Frame{plot, range_of(x_low, x_high), range_of(y_low, y_high)};
}

void CapacityPlot::paint(QPainter& painter, const QRectF& area, const std::optional<QPointF>& pointer) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    painter.setFont(font());
    const auto f = frame(area);
    if (!f) {
        painter.setPen(Qt::darkGray);
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, empty_text_);
        painter.restore();
        return;
    }
    const QFontMetricsF metrics(font());
    // The grid at every step, its values beside the axes' ends.
    painter.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 0));
    const int x_decimals = decimals_of(f->x.step), y_decimals = decimals_of(f->y.step);
    for (double x = f->x.low; x <= f->x.high + f->x.step / 2; x += f->x.step) {
        const QPointF at = f->to_screen({x, f->y.low});
        painter.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 0));
        painter.drawLine(at, f->to_screen({x, f->y.high}));
        painter.setPen(Qt::black);
        const QString text = number(std::abs(x) < f->x.step / 2 ? 0 : x, x_decimals);
        painter.drawText(QRectF(at.x() - 40, at.y() + 2, 80, metrics.height()), Qt::AlignHCenter | Qt::AlignTop, text);
    }
    for (double y = f->y.low; y <= f->y.high + f->y.step / 2; y += f->y.step) {
        const QPointF at = f->to_screen({f->x.low, y});
        painter.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 0));
        painter.drawLine(at, f->to_screen({f->x.high, y}));
        painter.setPen(Qt::black);
        const QString text = number(std::abs(y) < f->y.step / 2 ? 0 : y, y_decimals);
        painter.drawText(QRectF(area.left(), at.y() - metrics.height() / 2, at.x() - area.left() - 4, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, text);
    }
    // The axes through the origin, with their captions.
    painter.setPen(QPen(Qt::black, 1.2));
    painter.drawLine(f->to_screen({f->x.low, 0}), f->to_screen({f->x.high, 0}));
    painter.drawLine(f->to_screen({0, f->y.low}), f->to_screen({0, f->y.high}));
    painter.drawRect(f->plot);
    painter.drawText(QRectF(f->plot.left(), f->plot.bottom() + metrics.height() + 2, f->plot.width(), metrics.height()),
                     Qt::AlignRight, content_->x_caption);
    painter.drawText(QRectF(f->plot.left(), area.top(), f->plot.width(), metrics.height()), Qt::AlignLeft,
                     content_->y_caption);

    painter.setClipRect(f->plot.adjusted(-8, -8, 8, 8));
    for (const auto& line : content_->lines) {
        QPainterPath path;
        for (std::size_t i = 0; i < line.points.size(); ++i) {
            const QPointF p = f->to_screen(line.points[i]);
            if (i == 0) path.moveTo(p);
            else path.lineTo(p);
        }
        if (line.closed) path.closeSubpath();
        painter.setPen(QPen(line.colour, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    for (const auto& mark : content_->marks) {
        const QPointF p = f->to_screen(mark.at);
        painter.setPen(QPen(mark.colour, 1.5));
        painter.setBrush(mark.colour);
        painter.drawEllipse(p, 3.5, 3.5);
        // A label that would leave the diagram on the right goes left of its point.
        const double width = metrics.horizontalAdvance(mark.label);
        const double left = p.x() + 6 + width > f->plot.right() ? p.x() - 6 - width : p.x() + 6;
        painter.drawText(QPointF(left, p.y() - 5), mark.label);
    }
    painter.setClipping(false);
    if (pointer && f->plot.contains(*pointer)) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(f->plot.left(), area.top() + metrics.height() * 0.9, f->plot.width(), metrics.height()),
                         Qt::AlignRight, readout_at(*pointer));
    }
    painter.restore();
}

QString CapacityPlot::readout_at(const QPointF& point) const {
    const auto f = frame(rect());
    if (!f || !f->plot.contains(point)) return {};
    const QPointF value = f->to_value(point);
    return content_->x_name + " = " + number(value.x(), decimals_of(f->x.step) + 1) + " " + content_->x_unit + "   " +
           content_->y_name + " = " + number(value.y(), decimals_of(f->y.step) + 1) + " " + content_->y_unit;
}

bool CapacityPlot::export_svg(const QString& path) const {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size());
    svg.setViewBox(QRect(QPoint(0, 0), size()));
    svg.setTitle(windowTitle());
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    paint(painter, QRectF(QPointF(0, 0), size()));
    return painter.end();
}

bool CapacityPlot::export_png(const QString& path) const {
    // Twice the screen's pixels, for a sharp picture in a document.
    QImage image(size() * 2, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(2, 2);
    paint(painter, QRectF(QPointF(0, 0), size()));
    painter.end();
    return image.save(path, "PNG");
}

void CapacityPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, rect(), pointer_);
}

void CapacityPlot::mouseMoveEvent(QMouseEvent* event) {
    pointer_ = event->position();
    setToolTip(readout_at(*pointer_));
    update();
}

void CapacityPlot::leaveEvent(QEvent*) {
    pointer_.reset();
    update();
}

}  // namespace norvexa::capacity
