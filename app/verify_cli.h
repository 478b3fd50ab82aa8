#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace norvexa {

constexpr int exit_holds = 0;
constexpr int exit_fails = 1;
constexpr int exit_message = 2;
constexpr int exit_usage = 64;

// norvexa-verify: runs the calculate command on the start values changed by the
// NAME=TEXT arguments and prints the result captions (or one JSON object with --json);
// with combinations, from --combinazioni or the project, verifies each of them in
// bending with axial force too. Returns the exit status.
int run_verify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace norvexa
