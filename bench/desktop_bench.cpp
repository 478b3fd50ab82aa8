// Benchmarks of the desktop program, offscreen: from start to the main window shown (the
// splash skipped), and one "Calcola" of the 30 x 50 example until every window is refreshed.
#include <cstdlib>
#include <filesystem>

#include <QApplication>

#include <benchmark/benchmark.h>

#include "common/program_folder.h"
#include "common/prompter.h"
#include "materials/material_files.h"
#include "shell/ui/desktop_program.h"
#include "shell/ui/main_window.h"

namespace {

using namespace norvexa;

void make_library() {
    std::filesystem::create_directories(concrete_folder());
    std::filesystem::create_directories(steel_folder());
    write_material(reference_material(MaterialKind::concrete));
    write_material(reference_material(MaterialKind::steel));
}

void DesktopStart(benchmark::State& state) {
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    for (auto _ : state) {
        DesktopProgram program(std::nullopt, {&prompter, &files});
        program.attiva();
        QApplication::processEvents();
        benchmark::DoNotOptimize(program.main_window());
    }
}
BENCHMARK(DesktopStart)->Unit(benchmark::kMillisecond);

void CalculateToRefreshed(benchmark::State& state) {
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    DesktopProgram program(std::nullopt, {&prompter, &files});
    program.attiva();
    Form1& form = program.program().form;
    for (const auto& [name, text] : {std::pair{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"},
                                     {"TMS", "100"}, {"TVS", "100"}, {"nbr", "2"}, {"dst", "8"}, {"passo", "10"}}) {
        form.type(name, text);
        form.leave(name);
    }
    for (auto _ : state) {
        program.program().calculate();
        program.main_window()->refresh();
        QApplication::processEvents();
    }
    if (program.program().analysis.results.vf.text != "Flessione verificata") state.SkipWithError("no result");
}
BENCHMARK(CalculateToRefreshed)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const auto home = std::filesystem::temp_directory_path() / "norvexa-desktop-bench";
    setenv("NORVEXA_HOME", home.c_str(), 1);
    make_library();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(home);
    return 0;
}
