// The capacity engine on the four-layer T section 120 x 120 under the D.M. 9/1/96 laws of
// the reference materials: MRd(NEd), the whole M–N domain and a moment–curvature curve;
// and one service row of each kind on it, C25/30 and B450C with φ24 bars.
#include <benchmark/benchmark.h>

#include <variant>

#include "analysis/field_map.h"
#include "capacity/capacity.h"
#include "capacity/service_check.h"

namespace norvexa::capacity {
namespace {

Section tee_120x120() {
    FieldMap form = FieldMap::with_start_values();
    for (const auto& [name, text] :
         {std::pair{"tb", "120"}, {"th", "20"}, {"tb2", "40"}, {"th2", "100"}, {"strati", "N° 4 Strati barre"},
          {"ta1", "6,03"}, {"td1", "4"}, {"ta2", "24,13"}, {"td2", "106"}, {"ta3", "24,13"}, {"td3", "111"},
          {"ta4", "24,13"}, {"td4", "116"}})
        form.set_text(name, text);
    form.set_value("t", 1);
    form.set_value("rett", 0);
    return std::get<Section>(section_from_form(form));
}

Materials reference_laws() {
    return std::get<Materials>(design_materials(Code::dm96, reference_material(MaterialKind::concrete),
                                                reference_material(MaterialKind::steel)));
}

// NEd as a share of NRd,max, in per cent.
void resisting_moment(benchmark::State& state) {
    const Section section = tee_120x120();
    const Materials materials = reference_laws();
    const double NEd = state.range(0) / 100.0 * NRd_max(section, materials);
    for (auto _ : state) benchmark::DoNotOptimize(capacity_at(section, materials, NEd, Sign::sagging));
}
BENCHMARK(resisting_moment)->Arg(0)->Arg(30)->Arg(90)->Unit(benchmark::kMicrosecond);

void whole_domain(benchmark::State& state) {
    const Section section = tee_120x120();
    const Materials materials = reference_laws();
    for (auto _ : state) benchmark::DoNotOptimize(domain(section, materials));
    state.counters["points"] = static_cast<double>(domain(section, materials).size());
}
BENCHMARK(whole_domain)->Unit(benchmark::kMicrosecond);

void moment_curvature_100(benchmark::State& state) {
    const Section section = tee_120x120();
    const Materials materials = reference_laws();
    const double N = 0.2 * NRd_max(section, materials);
    for (auto _ : state) benchmark::DoNotOptimize(moment_curvature(section, materials, N, Sign::sagging, 100));
}
BENCHMARK(moment_curvature_100)->Unit(benchmark::kMillisecond);

// A cracked row with axial force: the stresses, the formation and, but for the
// characteristic row, the crack width.
void service_row(benchmark::State& state) {
    const Section section = tee_120x120();
    const ServiceInput input{25, 450, 200000, {}, {ListedBars{16, 3}, ListedBars{24, 5}, ListedBars{24, 5}, ListedBars{24, 5}}};
    const Combination row{"S", 300, 1200, std::nullopt, static_cast<Kind>(state.range(0))};
    for (auto _ : state) benchmark::DoNotOptimize(service_check(section, input, row));
}
BENCHMARK(service_row)->ArgName("kind")->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace norvexa::capacity

BENCHMARK_MAIN();
