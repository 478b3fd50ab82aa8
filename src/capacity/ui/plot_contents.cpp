#include "capacity/ui/plot_contents.h"

namespace norvexa::capacity {
namespace {

const QColor line_colour(0x1f, 0x4e, 0x9c);
const QColor verified_colour(0, 128, 0);
const QColor failed_colour(Qt::red);

}  // namespace

std::optional<PlotContent> domain_content(const CombinationsWindow& window) {
    const CapacityRun* run = window.run();
    if (!run) return std::nullopt;
    PlotContent content{"N [kN]", "M [kNm]", "N", "M", "kN", "kNm", {}, {}};
    PlotContent::Line outline{{}, line_colour, true};
    for (const DomainPoint& p : run->domain) outline.points.emplace_back(p.N / 1e3, p.M / 1e6);
    content.lines.push_back(std::move(outline));
    for (int row = 0; row < window.row_count(); ++row) {
        const RowResult* shown = window.result(row);
        if (!shown || shown->combination.kind != Kind::ultimate) continue;
        content.marks.push_back({{shown->combination.NEd, shown->combination.MEd}, QString::number(row + 1),
                                 shown->result.verified ? verified_colour : failed_colour});
    }
    return content;
}

std::optional<PlotContent> curvature_content(const CombinationsWindow& window) {
    const auto& curve = window.curvature();
    if (!curve) return std::nullopt;
    PlotContent content{"χ [1/km]", "M [kNm]", "χ", "M", "1/km", "kNm", {}, {}};
    PlotContent::Line line{{}, line_colour, false};
    for (const CurvaturePoint& p : curve->points) line.points.emplace_back(p.chi * 1e6, p.M / 1e6);
    content.lines.push_back(std::move(line));
    content.marks.push_back({{curve->yield.chi * 1e6, curve->yield.M / 1e6}, "snervamento", QColor(0, 0, 200)});
    content.marks.push_back({{curve->ultimate.chi * 1e6, curve->ultimate.M / 1e6}, "ultimo", failed_colour});
    return content;
}

}  // namespace norvexa::capacity
