// The settings readers: the input is the settings file FCOL, read by each window's rule
// and by the line reader, then loaded by the input form, the analysis window and the
// display settings window.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "common/line_file.h"
#include "common/program_folder.h"
#include "common/settings_file.h"
#include "fuzz_support.h"
#include "scripted_program.h"
#include "shell/settings_window.h"

namespace {

// The colour dialog, always cancelled.
struct NoColours : norvexa::ColourChooser {
    std::optional<norvexa::Colour> choose(norvexa::Colour) override { return std::nullopt; }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    norvexa::fuzz::home();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace norvexa;
    fuzz::put_file(settings_file(), fuzz::bytes_of(data, size));
    for (int lines = -1; lines <= 7; ++lines) read_settings_numbers(lines);
    const auto all = read_input_form_settings();
    const auto colours = read_analysis_window_colours();
    // The first four lines are the same colours to both readers.
    if (all) fuzz::expect(colours && (*colours)[0] == all->concrete && (*colours)[3] == all->line, "readers disagree");
    if (const auto lines = read_lines(settings_file()))
        for (const auto& line : *lines)
            if (const auto number = settings_number(line)) settings_colour(*number);

    ScriptedProgram p;
    p.program.load();
    NoColours no_colours;
    Colori window(p.prompter, no_colours);
    window.Form_Load();
    window.leave("c1");
    window.leave("c2");
    return 0;
}
