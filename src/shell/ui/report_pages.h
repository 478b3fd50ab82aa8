#pragma once

#include <string>
#include <vector>

#include <QDate>
#include <QRectF>

#include "report/report_text.h"

class QPagedPaintDevice;
class QPainter;

namespace norvexa {

// The report's lines in a fixed-pitch font on new pages of the device after the ones
// already painted, within `page` (the area inside the margins). Each page carries in its
// margins a header with the project title and the date (dd/mm/yyyy) and a footer
// "pag. N di M" that counts the pages before the report too. False when a page cannot be
// added.
// pages_after: the pages that will follow, which the footers count too.
bool paint_report_pages(QPagedPaintDevice& device, QPainter& painter, const QRectF& page, int pages_before,
                        const std::string& title, QDate date, const std::vector<std::string>& lines,
                        int pages_after = 0);
// How many pages the report's lines take within `page`; a line page_break ends a page.
int report_page_count(QPainter& painter, const QRectF& page, const std::vector<std::string>& lines);
// The header and the footer "pag. number di last" of one page, as the report's pages carry them.
void paint_page_dress(QPainter& painter, const QRectF& page, const std::string& title, QDate date, int number,
                      int last);

}  // namespace norvexa
