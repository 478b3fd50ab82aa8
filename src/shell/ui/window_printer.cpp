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

bool WindowPrinter::export_pdf(const std::string& path, const std::vector<std::string>& report_lines) {
    // Made in memory and written in one replacement, so a failure keeps any older file whole.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    if (!paint_pdf(buffer, report_lines)) return false;
    return write_file(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

bool WindowPrinter::paint_pdf(QIODevice& device, const std::vector<std::string>& report_lines) {
    QPdfWriter writer(&device);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle("Relazione di calcolo");
    writer.setCreator("Norvexa");
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    paint_window(painter, page);

    QFont mono;
    mono.setFamilies({"Courier New", "Liberation Mono", "DejaVu Sans Mono", "monospace"});
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(9);
    painter.setFont(mono);
    const qreal line_height = painter.fontMetrics().lineSpacing();
    qreal y = page.height();  // a new page before the first line
    for (const std::string& line : report_lines) {
        if (y + line_height > page.height()) {
            if (!writer.newPage()) return false;
            y = 0;
        }
        y += line_height;
        painter.drawText(QPointF(0, y - painter.fontMetrics().descent()), QString::fromStdString(line));
    }
    return painter.end();
}

}  // namespace norvexa
