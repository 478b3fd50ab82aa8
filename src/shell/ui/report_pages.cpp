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

// The lines of each page: as many as a page holds, a page break line ending a page early.
std::vector<std::vector<std::string>> paginated(const std::vector<std::string>& lines, std::size_t per_page) {
    std::vector<std::vector<std::string>> pages;
    bool new_page = true;
    for (const std::string& line : lines) {
        if (line == page_break) {
            new_page = true;
            continue;
        }
        if (new_page || pages.back().size() == per_page) pages.emplace_back();
        new_page = false;
        pages.back().push_back(line);
    }
    return pages;
}

}  // namespace

int report_page_count(QPainter& painter, const QRectF& page, const std::vector<std::string>& lines) {
    return static_cast<int>(paginated(lines, lines_per_page(painter, page)).size());
}

void paint_page_dress(QPainter& painter, const QRectF& page, const std::string& title, QDate date, int number,
                      int last) {
    painter.setFont(report_font());
    paint_header(painter, page, QString::fromStdString(title), date.toString("dd/MM/yyyy"));
    paint_footer(painter, page, "pag. " + QString::number(number) + " di " + QString::number(last));
}

bool paint_report_pages(QPagedPaintDevice& device, QPainter& painter, const QRectF& page, int pages_before,
                        const std::string& title, QDate date, const std::vector<std::string>& lines, int pages_after) {
    const auto pages = paginated(lines, lines_per_page(painter, page));
    const QFontMetricsF metrics = painter.fontMetrics();
    const qreal line_height = metrics.lineSpacing();
    const int last = pages_before + static_cast<int>(pages.size()) + pages_after;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (!device.newPage()) return false;
        paint_page_dress(painter, page, title, date, pages_before + static_cast<int>(p) + 1, last);
        for (std::size_t i = 0; i < pages[p].size(); ++i) {
            const qreal baseline = page.top() + static_cast<qreal>(i + 1) * line_height - metrics.descent();
            painter.drawText(QPointF(page.left(), baseline), QString::fromStdString(pages[p][i]));
        }
    }
    return true;
}

}  // namespace norvexa
