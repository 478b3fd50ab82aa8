#pragma once

#include <filesystem>

namespace norvexa {

// Removes the temporary files (is_temporary_file_name) last written more than a minute
// ago that saves stopped by a kill or a power loss left in the folder and in the
// folders one and two levels below it (the program folder's materiali/acciaio and
// materiali/cls). A younger one may belong to a save still running in another copy of
// the program and stays. Only regular files are removed; symbolic links are neither
// removed nor followed, so nothing outside the folder's own tree is touched. Folders
// that cannot be read are passed over.
void remove_stale_temporaries(const std::filesystem::path& folder);

}  // namespace norvexa
