// Benchmarks of the desktop program, offscreen: from start to the main window shown (the
// splash skipped), one "Calcola" of the 30 x 50 example until every window is refreshed,
// the PDF export, and the help window opened on manuals of growing size.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include "common/program_folder.h"
#include "common/prompter.h"
#include "materials/material_files.h"
#include "shell/ui/desktop_program.h"
#include "shell/ui/help_window_view.h"
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

using Fields = std::initializer_list<std::pair<const char*, const char*>>;

const Fields example_30x50 = {{"tb", "30"},   {"th", "50"},  {"ta1", "9,42"}, {"td1", "46"},   {"TMS", "100"},
                              {"TVS", "100"}, {"nbr", "2"},  {"dst", "8"},    {"passo", "10"}};
const Fields tee_120x120 = {{"tb", "120"},  {"th", "20"},   {"tb2", "40"},    {"th2", "100"}, {"ta1", "6,03"},
                            {"td1", "4"},   {"ta2", "24,13"}, {"td2", "106"}, {"ta3", "24,13"}, {"td3", "111"},
                            {"ta4", "24,13"}, {"td4", "116"}, {"TMS", "900"},  {"TVS", "400"},  {"nbr", "4"},
                            {"dst", "10"},  {"passo", "15"}};

// A started program with the section typed in; the T section at the finest precision.
void enter(DesktopProgram& program, const Fields& fields, bool tee) {
    Form1& form = program.program().form;
    if (tee) {
        form.click("t");
        form.choose("strati", "N° 4 Strati barre");
        form.move_slider("sl1", 1);
        form.move_slider("sl2", 1);
    }
    for (const auto& [name, text] : fields) {
        form.type(name, text);
        form.leave(name);
    }
}

void calculate_to_refreshed(benchmark::State& state, const Fields* fields, bool tee) {
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    DesktopProgram program(std::nullopt, {&prompter, &files});
    program.attiva();
    enter(program, *fields, tee);
    for (auto _ : state) {
        program.program().calculate();
        program.main_window()->refresh();
        QApplication::processEvents();
    }
    if (program.program().analysis.results.lx.text.empty()) state.SkipWithError("no result");
}
BENCHMARK_CAPTURE(calculate_to_refreshed, example_30x50_start, &example_30x50, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculate_to_refreshed, tee_120x120_finest, &tee_120x120, true)->Unit(benchmark::kMillisecond);

void PdfExport(benchmark::State& state) {
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    DesktopProgram program(std::nullopt, {&prompter, &files});
    program.attiva();
    enter(program, example_30x50, false);
    program.program().calculate();
    const auto pdf = std::filesystem::temp_directory_path() / "norvexa-bench.pdf";
    for (auto _ : state) {
        std::filesystem::remove(pdf);
        files.answer_next(pdf.string());
        program.program().esporta_pdf();
    }
    if (!std::filesystem::exists(pdf)) state.SkipWithError("no PDF");
    std::filesystem::remove(pdf);
}
BENCHMARK(PdfExport)->Unit(benchmark::kMillisecond);

// A manual of at most `bytes` bytes made of short runs, page after page: a heading, a
// justified paragraph of 240 one-word groups in turn plain, bold, italic, underlined and in
// Courier with a line break before its last word, a bullet with its tab and a two-row table.
std::string generated_manual(std::size_t bytes) {
    std::string page = "\\pard\\sb240\\sa120{\\b\\fs28 Capitolo}\\par \\pard\\qj\\sa120 ";
    const char* const words[] = {"la ", "{\\b sezione} ", "{\\i di} ", "{\\ul trave} ", "{\\f1 Mrd} "};
    for (int i = 0; i < 240; ++i) page += words[i % 5];
    page +=
        "\\line fine.\\par \\pard\\li360\\fi-240\\sa60 \\u8226?\\tab {\\b Calcola} e {\\i leggi}.\\par "
        "\\trowd\\cellx3000\\cellx6000\\intbl {\\b Mrd}\\cell 12,5 kNm\\cell\\row"
        "\\intbl {\\i Vrd}\\cell 80 kN\\cell\\row\\pard ";
    std::string manual = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\f0\\fs20 ";
    while (manual.size() + page.size() + 1 <= bytes) manual += page;
    return manual + '}';
}

// "Sovrapponi" in a started program until the help window shows the manual, read and built
// anew: the program's first opening, or (again = 1) one after a first opening and "Chiudi".
// The editor lays out what lies beyond the first screen later, between events.
void OpenHelp(benchmark::State& state) {
    const std::string manual = generated_manual(static_cast<std::size_t>(state.range(0)));
    std::ofstream(manual_file(), std::ios::binary) << manual;
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    std::optional<DesktopProgram> program;
    bool shown = true;
    for (auto _ : state) {
        state.PauseTiming();
        program.emplace(std::nullopt, DesktopDialogs{&prompter, &files});
        program->attiva();
        HelpWindowView& help = *program->main_window()->help_view();
        if (state.range(1) != 0) {
            program->program().run_menu("sov");
            QApplication::processEvents();
            help.close_button()->click();
        }
        state.ResumeTiming();
        program->program().run_menu("sov");
        QApplication::processEvents();
        shown = shown && program->program().help_window.manual_loaded() && help.isVisible();
    }
    if (!shown) state.SkipWithError("manual not shown");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * manual.size()));
    std::filesystem::remove(manual_file());
}
BENCHMARK(OpenHelp)
    ->ArgsProduct({{150'000, 1'000'000, 16'000'000}, {0, 1}})
    ->ArgNames({"bytes", "again"})
    ->Unit(benchmark::kMillisecond);

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
