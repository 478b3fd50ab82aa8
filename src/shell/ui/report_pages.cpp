#include "shell/ui/report_pages.h"

#include <algorithm>

#include <QPagedPaintDevice>
#include <QPainter>

namespace norvexa {
namespace {

QFont report_font() {
    QFont mono;
    mono.setFamilies({"Courier New", "Liberation Mono", "DejaVu Sans Mono", "monospace"});
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(9);
    return mono;
}

// The title on the left, shortened when it would reach the date on the right; a rule
// under both, half a line above the page's area.
void paint_header(QPainter& painter, const QRectF& page, const QString& title, const QString& date) {
    const QFontMetricsF metrics = painter.fontMetrics();
    const qreal line_height = metrics.lineSpacing();
    const QRectF band(page.left(), page.top() - 2 * line_height, page.width(), line_height);
    const qreal room = band.width() - metrics.horizontalAdvance(date + "    ");
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(title, Qt::ElideRight, room));
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, date);
    const qreal rule = page.top() - line_height / 2;
    painter.drawLine(QPointF(page.left(), rule), QPointF(page.right(), rule));
}

// "pag. N di M", centred one line below the page's area.
void paint_footer(QPainter& painter, const QRectF& page, const QString& number) {
    const qreal line_height = painter.fontMetrics().lineSpacing();
    painter.drawText(QRectF(page.left(), page.bottom() + line_height, page.width(), line_height), Qt::AlignCenter,
                     number);
}

std::size_t lines_per_page(QPainter& painter, const QRectF& page) {
    painter.setFont(report_font());
    return std::max<std::size_t>(1, static_cast<std::size_t>(page.height() / painter.fontMetrics().lineSpacing()));
}

}  // namespace

int report_page_count(QPainter& painter, const QRectF& page, const std::vector<std::string>& lines) {
    const std::size_t per_page = lines_per_page(painter, page);
    return static_cast<int>((lines.size() + per_page - 1) / per_page);
}

void paint_page_dress(QPainter& painter, const QRectF& page, const std::string& title, QDate date, int number,
                      int last) {
    painter.setFont(report_font());
    paint_header(painter, page, QString::fromStdString(title), date.toString("dd/MM/yyyy"));
    paint_footer(painter, page, "pag. " + QString::number(number) + " di " + QString::number(last));
}

bool paint_report_pages(QPagedPaintDevice& device, QPainter& painter, const QRectF& page, int pages_before,
                        const std::string& title, QDate date, const std::vector<std::string>& lines, int pages_after) {
    const std::size_t per_page = lines_per_page(painter, page);
    const int report_pages = report_page_count(painter, page, lines);
    const QFontMetricsF metrics = painter.fontMetrics();
    const qreal line_height = metrics.lineSpacing();
    const int last = pages_before + report_pages + pages_after;
    for (int p = 0; p < report_pages; ++p) {
        if (!device.newPage()) return false;
        paint_page_dress(painter, page, title, date, pages_before + p + 1, last);
        const std::size_t first = static_cast<std::size_t>(p) * per_page;
        for (std::size_t i = first; i < std::min(lines.size(), first + per_page); ++i) {
            const qreal baseline = page.top() + static_cast<qreal>(i - first + 1) * line_height - metrics.descent();
            painter.drawText(QPointF(page.left(), baseline), QString::fromStdString(lines[i]));
        }
    }
    return true;
}

}  // namespace norvexa
