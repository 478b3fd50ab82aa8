// norvexa-verify on the four-layer T section 120 x 120 with 10 000 combinations read from a
// CSV file by --combinazioni: reading, the domain, MRd(NEd) of each, the report and the
// JSON object, as the command line runs them; the mixed run takes every fourth row as
// ultimate and the others as service rows of the three kinds, under the NTC 2018.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "verify_cli.h"

namespace norvexa {
namespace {

const std::vector<std::string> tee_120x120 = {
    "t=1",      "tb=120",   "th=20",     "tb2=40",    "th2=100",  "strati=N° 4 Strati barre",
    "ta1=6,03", "td1=4",    "ta2=24,13", "td2=106",   "ta3=24,13", "td3=111",
    "ta4=24,13", "td4=116", "TMS=900",   "TVS=400",   "nbr=4",    "dst=10",
    "passo=15"};

// The bar lists that give the service rows their diameters: the areas of the layers as
// the lists make them.
const std::vector<std::string> bar_lists = {"n1a1=3", "f1a1=16", "n2a1=5", "f2a1=24",
                                            "n3a1=5", "f3a1=24", "n4a1=5", "f4a1=24"};

// NEd across the whole domain, from tension to beyond NRd,max, with moments of both signs.
std::string combinations_csv(int count, bool mixed) {
    const char* const kinds[] = {"", ";RARA", ";FREQ", ";QP"};
    std::string csv = "nome;NEd [kN];MEd [kNm];VEd [kN]\n";
    for (int i = 0; i < count; ++i) {
        const int NEd = -3000 + i * 30000 / count, MEd = (i % 2 ? -1 : 1) * (200 + i % 1500);
        csv += "C" + std::to_string(i + 1) + ";" + std::to_string(NEd) + ";" + std::to_string(MEd) + ";400" +
               (mixed ? kinds[i % 4] : "") + "\n";
    }
    return csv;
}

void ten_thousand_combinations(benchmark::State& state) {
    const ScratchFolder folder;
    const auto file = folder.path() / "combinazioni.csv";
    const bool mixed = state.range(1);
    put_bytes(file, combinations_csv(10000, mixed));
    std::vector<std::string> args{"--norma", mixed ? "ntc2018" : "dm96", "--combinazioni", file.string()};
    if (state.range(0)) args.push_back("--json");
    args.insert(args.end(), tee_120x120.begin(), tee_120x120.end());
    if (mixed) args.insert(args.end(), bar_lists.begin(), bar_lists.end());
    for (auto _ : state) {
        std::ostringstream out, err;
        benchmark::DoNotOptimize(run_verify(args, out, err));
        if (out.str().size() < 10000 * 40) state.SkipWithError("the combinations were not verified");
    }
}
BENCHMARK(ten_thousand_combinations)
    ->ArgNames({"json", "mixed"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace norvexa

BENCHMARK_MAIN();
