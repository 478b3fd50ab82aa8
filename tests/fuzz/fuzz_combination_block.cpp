// The block of combinations after a project's 51 lines: the input is what follows the
// 51 lines of the 30 x 50 example, opened as the open command does. The project always
// opens, the file is never touched, a damaged block is named in one warning, and the
// combinations read are saved and read again as they were.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "project/combination_block.h"
#include "scratch_folder.h"
#include "scripted_program.h"

namespace {

using namespace norvexa;

std::filesystem::path project_path() { return fuzz::home().path() / "progetto.nvx"; }
std::filesystem::path saved_path() { return fuzz::home().path() / "salvato.nvx"; }

// The 51 lines of the example, as the save command writes them.
std::string example_head;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::home_with_library();
    ScriptedProgram p;
    p.form.Form_Load();
    enter_worked_example(p.form);
    p.files.answer_next(project_path().string());
    fuzz::expect(p.commands.salva(), "the example cannot be saved");
    example_head = file_bytes(project_path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = example_head + std::string(fuzz::bytes_of(data, size));
    fuzz::put_file(project_path(), bytes);
    ScriptedProgram p;
    p.form.Form_Load();
    fuzz::expect(p.commands.open_project(project_path()), "the example does not open");
    fuzz::expect(file_bytes(project_path()) == bytes, "opening changed the file");
    fuzz::expect(p.prompter.shown.size() <= 1, "more than one message at opening");
    if (!p.prompter.shown.empty()) {
        fuzz::expect(p.prompter.shown[0].icon == Icon::warning && p.prompter.shown[0].text.starts_with("Riga "),
                     "a damaged block told otherwise");
        fuzz::expect(p.program.combinations.rows.empty(), "combinations kept from a damaged block");
        return 0;
    }
    if (p.program.combinations.rows.empty()) return 0;

    // Names that the file cannot hold are saved as '?' only once the user agrees.
    p.prompter.answer_next(Answer::yes);
    p.files.answer_next(saved_path().string());
    fuzz::expect(p.commands.salva_con_nome(), "the combinations cannot be saved");
    const capacity::CombinationSet first = p.program.combinations;
    p.prompter.shown.clear();
    fuzz::expect(p.commands.open_project(saved_path()), "the saved project does not open");
    fuzz::expect(p.prompter.shown.empty(), "a saved block is damaged");
    fuzz::expect(combination_block(p.program.combinations) == combination_block(first) ||
                     first_unstorable_name(first).has_value(),
                 "saved combinations read back different");
    return 0;
}
