// The input form driven by events: the input is a sequence of events (see form_events.h)
// sent to a freshly loaded form over a library with the two reference materials; then
// the calculate command runs and, when it shows results, the report is made.
#include <cstddef>
#include <cstdint>

#include "form_events.h"
#include "fuzz_support.h"
#include "materials/material_files.h"
#include "report/report_source.h"
#include "report/report_text.h"
#include "scripted_program.h"

namespace {

// Enough events for any section; longer inputs only repeat.
constexpr int most_events = 200;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    norvexa::fuzz::home_with_library();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace norvexa;
    ScriptedProgram p;
    p.program.load();
    fuzz::ByteStream events(data, size);
    for (int i = 0; i < most_events && fuzz::apply_next_event(p.form, events); ++i) {
    }
    p.form.Command1_Click();
    if (!p.analysis.results.lx.text.empty()) report_lines(report_data(p.title.text(), p.analysis));
    return 0;
}
