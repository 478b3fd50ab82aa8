#include "capacity/capacity.h"

#include <algorithm>

namespace norvexa::capacity {

double Section::height() const {
    double bottom = 0;
    for (const Band& band : bands) bottom = std::max(bottom, band.bottom);
    return bottom;
}

double Section::area() const {
    double sum = 0;
    for (const Band& band : bands) sum += band.width * (band.bottom - band.top);
    return sum;
}

double Section::centroid() const {
    double moment = 0;
    for (const Band& band : bands) moment += band.width * (band.bottom - band.top) * (band.top + band.bottom) / 2;
    return moment / area();
}

double Section::web_width() const {
    double narrowest = bands.front().width;
    for (const Band& band : bands) narrowest = std::min(narrowest, band.width);
    return narrowest;
}

}  // namespace norvexa::capacity
