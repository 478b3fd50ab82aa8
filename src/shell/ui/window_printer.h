#pragma once

#include <functional>
#include <vector>

#include <QPrinter>

#include "shell/analysis_printer.h"

class QIODevice;
class QPainter;
class QWidget;

namespace norvexa {

class AnalysisWindowView;

// Prints the analysis window on the printer the system dialog chooses, and writes it
// with the report, and the pages more_pages adds, as a vector PDF on A4.
class WindowPrinter : public AnalysisPrinter {
  public:
    // choose: shows the printer dialog for that printer, true when accepted; by default
    // the system's dialog over `parent`.
    WindowPrinter(AnalysisWindowView& view, QWidget* parent,
                  std::function<bool(QPrinter&)> choose = {});

    bool choose_printer() override;
    bool print_window() override;
    bool export_pdf(const std::string& path, const std::string& title,
                    const std::vector<std::string>& report_lines) override;
    QPrinter& printer() { return printer_; }
    // The PDF's pages after the report, each painted within the page's area under the
    // report's header; none when unset.
    std::function<std::vector<std::function<void(QPainter&, const QRectF&)>>()> more_pages;
    void set_chooser(std::function<bool(QPrinter&)> choose) { choose_ = std::move(choose); }

  private:
    // The window's inner frame (board and results) scaled to fit the area, undistorted.
    void paint_window(QPainter& painter, const QRectF& area);
    // The window on page 1, then the report's pages dated today, as a PDF into the device.
    bool paint_pdf(QIODevice& device, const std::string& title, const std::vector<std::string>& report_lines);

    AnalysisWindowView& view_;
    QWidget* parent_;
    std::function<bool(QPrinter&)> choose_;
    QPrinter printer_;
};

}  // namespace norvexa
