#include "capacity/ui/capacity_pages.h"

#include <QPainter>
#include <QPicture>

#include "capacity/code_key.h"
#include "capacity/ui/capacity_plot.h"
#include "capacity/ui/plot_contents.h"

namespace norvexa::capacity {
namespace {

// The diagram as the window draws it at a screen size, recorded as drawing commands and
// played back scaled to the page's width under its caption.
void paint_plot_page(QPainter& painter, const QRectF& page, const QString& caption, const PlotContent& content) {
    const QSize drawn(800, 600);
    CapacityPlot plot({});
    plot.resize(drawn);
    plot.show_content(content);
    QPicture picture;
    QPainter recorder(&picture);
    plot.paint(recorder, QRectF(QPointF(0, 0), drawn));
    recorder.end();
    const qreal line = painter.fontMetrics().lineSpacing();
    painter.drawText(QPointF(page.left(), page.top() + line), caption);
    const QRectF area = page.adjusted(0, 2 * line, 0, 0);
    const qreal scale = std::min(area.width() / drawn.width(), area.height() / drawn.height());
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(scale * picture.logicalDpiX() / painter.device()->logicalDpiX(),
                  scale * picture.logicalDpiY() / painter.device()->logicalDpiY());
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

}  // namespace

std::vector<PagePainter> capacity_pages(const CombinationsWindow& window) {
    std::vector<PagePainter> pages;
    const auto domain = domain_content(window);
    if (!domain || window.row_count() == 0) return pages;
    const QString code = QString::fromUtf8(code_title(window.run()->set.code));
    pages.push_back([domain, code](QPainter& painter, const QRectF& page) {
        paint_plot_page(painter, page, "Dominio di interazione M-N (" + code + ")", *domain);
    });
    if (const auto curvature = curvature_content(window)) {
        const QString row = QString::number(window.selected() + 1) + " " +
                            QString::fromStdString(window.cell(window.selected(), Column::name));
        pages.push_back([curvature, row](QPainter& painter, const QRectF& page) {
            paint_plot_page(painter, page, "Diagramma momento-curvatura, combinazione " + row, *curvature);
        });
    }
    return pages;
}

}  // namespace norvexa::capacity
