// The project reader with its material reads: the input is a project file in a program
// folder whose library holds the two reference materials; it is opened as the open
// command does, and a project that opens is calculated and reported on.
#include <cstddef>
#include <cstdint>

#include "common/numbers.h"
#include "fuzz_support.h"
#include "materials/material_files.h"
#include "report/report_source.h"
#include "report/report_text.h"
#include "scripted_program.h"

namespace {

std::filesystem::path project_path() { return norvexa::fuzz::home().path() / "progetto.nvx"; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    norvexa::fuzz::home_with_library();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace norvexa;
    fuzz::put_file(project_path(), fuzz::bytes_of(data, size));
    ScriptedProgram p;
    p.form.Form_Load();
    if (!p.commands.open_project(project_path())) return 0;
    p.form.Command1_Click();
    // The report is offered once the calculation has shown its results.
    if (!p.analysis.results.lx.text.empty()) report_lines(report_data(p.title.text(), p.analysis));
    return 0;
}
