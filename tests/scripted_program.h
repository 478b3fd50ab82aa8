#pragma once

#include "common/file_chooser.h"
#include "common/prompter.h"
#include "drawing/text_measure.h"
#include "shell/program.h"

namespace norvexa {

// The program's models over scripted questions and dialogs and a fixed text measure,
// with a name for each model. Building it reads no file, so it may come before the
// scratch program folder a test sets up.
struct ScriptedProgram {
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    FixedTextMeasure measure;
    Program program{prompter, files, measure};
    HelpLine& help = program.help;
    Form3& title = program.title;
    AnalysisWindow& analysis = program.analysis;
    Form1& form = program.form;
    ProjectCommands& commands = program.project;
};

}  // namespace norvexa
