// One analysis run (input checks, neutral-axis search, moment, shear, results) on two
// sections at the start and the finest precision settings, with the speed-up of the
// stored-sum search over the search as literally written.
#include <benchmark/benchmark.h>

#include <chrono>

#include "analysis/field_map.h"
#include "literal_search.h"

namespace norvexa {
namespace {

using Fields = std::initializer_list<std::pair<const char*, const char*>>;

const Fields example_30x50 = {{"tb", "30"},   {"th", "50"},  {"ta1", "9,42"}, {"td1", "46"}, {"TMS", "100"},
                              {"TVS", "100"}, {"nbr", "2"},  {"dst", "8"},    {"passo", "10"}, {"ast", "10,05"}};
const Fields tee_120x120 = {{"tb", "120"},    {"th", "20"},   {"tb2", "40"},  {"th2", "100"}, {"strati", "N° 4 Strati barre"},
                            {"ta1", "6,03"},  {"td1", "4"},   {"ta2", "24,13"}, {"td2", "106"}, {"ta3", "24,13"},
                            {"td3", "111"},   {"ta4", "24,13"}, {"td4", "116"}, {"TMS", "900"}, {"TVS", "400"},
                            {"nbr", "4"},     {"dst", "10"},  {"passo", "15"}, {"ast", "20,94"}};

// A section 30 m wide and 100 m deep, typed by mistake or not.
const Fields rect_30m_100m = {{"tb", "3000"}, {"th", "10000"}, {"ta1", "9,42"}, {"td1", "9990"}, {"TMS", "100"},
                              {"Check5", "0"}};

FieldMap section(const Fields& fields, bool tee, const char* strip, const char* tolerance) {
    FieldMap form = FieldMap::with_start_values();
    for (const auto& [name, text] : fields) form.set_text(name, text);
    if (tee) {
        form.set_value("t", 1);
        form.set_value("rett", 0);
    }
    form.set_text("rettang", strip);
    form.set_text("toller", tolerance);
    return form;
}

std::string run_once(const FieldMap& form, NeutralAxisSearch search) { return analyse(form, search).results.lm.text; }

// literal: whether the search as literally written is run too, for the speed-up; it
// takes far too long on the largest section.
void analysis_run(benchmark::State& state, const Fields* fields, bool tee, const char* strip, const char* tolerance,
                  bool literal = true) {
    FieldMap form = section(*fields, tee, strip, tolerance);
    if (form.text("Check5") == "0") form.set_value("Check5", 0);
    using clock = std::chrono::steady_clock;
    const auto literal_start = clock::now();
    const std::string literal_moment = literal ? run_once(form, literal_search) : std::string{};
    const double literal_seconds = std::chrono::duration<double>(clock::now() - literal_start).count();

    const auto start = clock::now();
    for (auto _ : state) benchmark::DoNotOptimize(run_once(form, find_neutral_axis));
    const double seconds = std::chrono::duration<double>(clock::now() - start).count() / state.iterations();

    if (run_once(form, find_neutral_axis).empty()) state.SkipWithError("no moment");
    if (!literal) return;
    if (run_once(form, find_neutral_axis) != literal_moment) state.SkipWithError("results differ from the literal search");
    state.counters["literal_ms"] = literal_seconds * 1000;
    state.counters["speed_up"] = literal_seconds / seconds;
}

BENCHMARK_CAPTURE(analysis_run, rect_30x50_start, &example_30x50, false, "2", "10")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(analysis_run, rect_30x50_finest, &example_30x50, false, "0,1", "1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(analysis_run, tee_120x120_start, &tee_120x120, true, "2", "10")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(analysis_run, tee_120x120_finest, &tee_120x120, true, "0,1", "1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(analysis_run, rect_30m_100m_start, &rect_30m_100m, false, "2", "10", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(analysis_run, rect_30m_100m_finest, &rect_30m_100m, false, "0,1", "1", false)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace norvexa

BENCHMARK_MAIN();
