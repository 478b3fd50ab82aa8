#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "common/program_folder.h"
#include "input/form1.h"
#include "scripted_program.h"
#include "scratch_folder.h"

namespace norvexa {

// An input form over a scratch program folder with empty material folders.
class InputForm : public testing::Test, public ScriptedProgram {
  protected:
    InputForm() {
        std::filesystem::create_directories(concrete_folder());
        std::filesystem::create_directories(steel_folder());
    }

    Form1& load() {
        EXPECT_EQ(form.Form_Load(), Form1::Load::loaded);
        return form;
    }
    // Types into a field and leaves it.
    void enter(const char* name, const std::string& text) {
        ASSERT_TRUE(form.type(name, text)) << name;
        form.leave(name);
    }
    std::string last_message() const { return prompter.shown.empty() ? "" : prompter.shown.back().text; }

    ScratchHome home;
};

}  // namespace norvexa
