#pragma once

#include <optional>
#include <string_view>

#include "capacity/capacity.h"

namespace norvexa::capacity {

// The code as a project file and the command line name it: "dm96", "ntc2018".
const char* code_key(Code code);
// The code of such a name; none for any other text.
std::optional<Code> code_of_key(std::string_view key);
// The code as the user reads it: "D.M. 9/1/96", "NTC 2018".
const char* code_title(Code code);

// A combination's kind as a combinations file names it: "SLU", "RARA", "FREQ", "QP"; as
// the user reads it: "SLU", "caratteristica (rara)", "frequente", "quasi permanente".
const char* kind_key(Kind kind);
const char* kind_title(Kind kind);
std::optional<Kind> kind_of_key(std::string_view key);
std::optional<Kind> kind_of_title(std::string_view title);
inline constexpr Kind kinds[] = {Kind::ultimate, Kind::characteristic, Kind::frequent, Kind::quasi_permanent};

// The environment as the command line and the project name it: "ordinario", "aggressivo",
// "molto-aggressivo"; as the user reads it, the last as "molto aggressivo".
const char* environment_key(Environment environment);
const char* environment_title(Environment environment);
std::optional<Environment> environment_of_key(std::string_view key);
std::optional<Environment> environment_of_title(std::string_view title);
inline constexpr Environment environments[] = {Environment::ordinary, Environment::aggressive,
                                               Environment::very_aggressive};

}  // namespace norvexa::capacity
