#pragma once

#include <optional>
#include <vector>

#include <QColor>
#include <QPointF>
#include <QString>
#include <QWidget>

class QPainter;

namespace norvexa::capacity {

// What a diagram shows: its axes' captions with units, lines and numbered points, in
// the units of the axes.
struct PlotContent {
    struct Line {
        std::vector<QPointF> points;
        QColor colour;
        bool closed = false;
    };
    struct Mark {
        QPointF at;
        QString label;
        QColor colour;
    };
    QString x_caption, y_caption;  // "N [kN]", "M [kNm]"
    QString x_name, y_name;        // "N", "M" in the read-out
    QString x_unit, y_unit;
    std::vector<Line> lines;
    std::vector<Mark> marks;
};

// A diagram drawn to scale: the same scale on neither axis but each a round step, a grid
// at every step, both axes through the origin where it is in view, and the read-out of
// the values under the pointer. Paints the same on the screen, in SVG and in PNG.
class CapacityPlot : public QWidget {
  public:
    explicit CapacityPlot(QString empty_text, QWidget* parent = nullptr);

    void show_content(std::optional<PlotContent> content);
    const std::optional<PlotContent>& content() const { return content_; }
    // Paints the diagram into the rectangle, the read-out too when given.
    void paint(QPainter& painter, const QRectF& area, const std::optional<QPointF>& pointer = std::nullopt) const;
    // The read-out at a point of the widget: "N = 120,5 kN   M = 80,2 kNm"; empty outside
    // the diagram.
    QString readout_at(const QPointF& point) const;
    bool export_svg(const QString& path) const;
    bool export_png(const QString& path) const;

    QSize sizeHint() const override { return {420, 320}; }
    QSize minimumSizeHint() const override { return {240, 180}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    struct Frame;
    std::optional<Frame> frame(const QRectF& area) const;

    QString empty_text_;
    std::optional<PlotContent> content_;
    std::optional<QPointF> pointer_;
};

}  // namespace norvexa::capacity
