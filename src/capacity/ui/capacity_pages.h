#pragma once

#include <functional>
#include <vector>

#include <QRectF>

#include "capacity/combinations_window.h"

class QPainter;

namespace norvexa::capacity {

// Paints one page of a document within its area.
using PagePainter = std::function<void(QPainter&, const QRectF&)>;

// The pages a document gives the verification with axial force once it has results: the
// M–N domain, then the selected row's moment–curvature diagram when there is one.
std::vector<PagePainter> capacity_pages(const CombinationsWindow& window);

}  // namespace norvexa::capacity
