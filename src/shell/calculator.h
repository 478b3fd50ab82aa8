#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "common/prompter.h"

namespace norvexa {

// Starts an outside program that runs on by itself.
class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    // False when the program could not be started.
    virtual bool start_detached(const std::filesystem::path& program) = 0;
};

// Records the programs it is asked to start and starts nothing; answers `succeeds`.
class RecordingStarter : public ProgramStarter {
  public:
    bool start_detached(const std::filesystem::path& program) override {
        started.push_back(program);
        return succeeds;
    }

    std::vector<std::filesystem::path> started;
    bool succeeds = true;
};

// The desktop calculators, the first found wins.
inline constexpr std::array<const char*, 5> calculator_names = {"gnome-calculator", "kcalc", "galculator",
                                                                 "mate-calc", "xcalc"};
inline constexpr const char* calculator_missing_message = "Calcolatrice non disponibile";

// The first calculator of calculator_names that is an executable file in a folder of the
// search path (folders separated by ':'; empty and relative entries, which name the
// working folder, are passed over so that no program planted there is started); nullopt
// when none is.
std::optional<std::filesystem::path> find_calculator(std::string_view search_path);

// kalk: starts the desktop's calculator, found on the search path (PATH when not given);
// when none is found or it does not start, "Calcolatrice non disponibile" (title
// "Attenzione", error icon, OK). True when a calculator was started.
bool kalk(ProgramStarter& starter, Prompter& prompter);
bool kalk(ProgramStarter& starter, Prompter& prompter, std::string_view search_path);

}  // namespace norvexa
