#pragma once

#include <utility>

#include "common/file_chooser.h"
#include "common/prompter.h"
#include "common/text_measure.h"
#include "shell/program.h"

namespace norvexa {

// The program's models over scripted questions and dialogs and a fixed text measure,
// with a name for each model. Building it reads no file, so it may come before the
// scratch program folder a test sets up.
struct ScriptedProgram {
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    FixedTextMeasure measure;
    HeadlessDesktop desktop{prompter, files, measure};
    Program program{desktop};
    HelpLine& help = program.help;
    Form3& title = program.title;
    AnalysisWindow& analysis = program.analysis;
    Form1& form = program.form;
    ProjectCommands& commands = program.project;
};

// Types each field of the 30 x 50 example into the form and leaves it, as a user would:
// 9,42 cm² at 46 cm, 100 kNm, 100 kN, stirrups of two arms of 8 mm every 10 cm.
inline void enter_worked_example(Form1& form) {
    for (const auto& [name, text] : {std::pair{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"},
                                     {"TMS", "100"}, {"TVS", "100"}, {"nbr", "2"}, {"dst", "8"}, {"passo", "10"}}) {
        form.type(name, text);
        form.leave(name);
    }
}

}  // namespace norvexa
