#include "shell/ui/window_printer.h"

#include <QBuffer>
#include <QLayout>
#include <QPageSize>
#include <QPainter>
#include <QPicture>
#include <QPdfWriter>
#include <QPrintDialog>

#include "common/file_replacement.h"
#include "drawing/ui/analysis_window_view.h"
#include "shell/ui/report_pages.h"

namespace norvexa {

WindowPrinter::WindowPrinter(AnalysisWindowView& view, QWidget* parent, std::function<bool(QPrinter&)> choose)
    : view_(view), parent_(parent), choose_(std::move(choose)), printer_(QPrinter::HighResolution) {}

bool WindowPrinter::choose_printer() {
    if (choose_) return choose_(printer_);
    QPrintDialog dialog(&printer_, parent_);
    return dialog.exec() == QDialog::Accepted;
}

void WindowPrinter::paint_window(QPainter& painter, const QRectF& area) {
    view_.refresh();  // the window as the dress shows it
    QWidget* window = view_.inner_frame();
    window->ensurePolished();
    if (QLayout* layout = window->layout()) layout->activate();
    const QSizeF size = window->size().isEmpty() ? QSizeF(window->sizeHint()) : QSizeF(window->size());
    const qreal scale = std::min(area.width() / size.width(), area.height() / size.height());
    // Recorded as drawing commands first, so that a printer gets lines and text rather
    // than a picture of the screen.
    QPicture picture;
    QPainter recorder(&picture);
    window->render(&recorder, QPoint(), QRegion(), QWidget::DrawChildren);
    recorder.end();
    // A picture plays back scaled from its own resolution to the device's.
    const qreal dpi_x = qreal(picture.logicalDpiX()) / painter.device()->logicalDpiX();
    const qreal dpi_y = qreal(picture.logicalDpiY()) / painter.device()->logicalDpiY();
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(scale * dpi_x, scale * dpi_y);
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

bool WindowPrinter::print_window() {
    QPainter painter;
    if (!painter.begin(&printer_)) return false;
    // The painter's origin is the printable area's corner.
    paint_window(painter, QRectF(QPointF(0, 0), printer_.pageLayout().paintRectPixels(printer_.resolution()).size()));
    return painter.end();
}

bool WindowPrinter::export_pdf(const std::string& path, const std::string& title,
                               const std::vector<std::string>& report_lines) {
    // Made in memory and written in one replacement, so a failure keeps any older file whole.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    if (!paint_pdf(buffer, title, report_lines)) return false;
    return write_file(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

bool WindowPrinter::paint_pdf(QIODevice& device, const std::string& title, const std::vector<std::string>& report_lines) {
    constexpr int resolution = 300;
    // The whole sheet is the painter's, so that the report's headers and footers can sit
    // in the margins.
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    QPdfWriter writer(&device);
    writer.setPageLayout(layout);
    writer.setResolution(resolution);
    writer.setTitle("Relazione di calcolo");
    writer.setCreator("Norvexa");
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    const QRectF page = QRectF(layout.fullRectPixels(resolution)).marginsRemoved(layout.marginsPixels(resolution));
    paint_window(painter, page);
    const auto more = more_pages ? more_pages() : std::vector<std::function<void(QPainter&, const QRectF&)>>{};
    const int more_count = static_cast<int>(more.size());
    const QDate today = QDate::currentDate();
    if (!paint_report_pages(writer, painter, page, 1, title, today, report_lines, more_count)) return false;
    const int last = 1 + report_page_count(painter, page, report_lines) + more_count;
    for (int i = 0; i < more_count; ++i) {
        if (!writer.newPage()) return false;
        paint_page_dress(painter, page, title, today, last - more_count + i + 1, last);
        more[static_cast<std::size_t>(i)](painter, page);
    }
    return painter.end();
}

}  // namespace norvexa
