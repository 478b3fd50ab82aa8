#pragma once

#include <string>
#include <string_view>

namespace norvexa {

// A new name for the temporary file that a save writes beside its target before the
// rename: ".norvexa-", eight random lower-case letters or digits, ".tmp". It is 21
// bytes whatever the target is called, so a target of any name the file system takes
// can be saved.
std::string temporary_file_name();

// Whether the name has exactly that shape. The material lists hide such files and the
// desktop program removes old ones at its start, so a user's own file must never
// match: a hidden name with the program's name, a fixed length and a fixed ending.
bool is_temporary_file_name(std::string_view name);

}  // namespace norvexa
