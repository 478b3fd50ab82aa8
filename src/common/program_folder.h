#pragma once

#include <filesystem>

namespace norvexa {

// The program folder: $NORVEXA_HOME when set and not empty, else $XDG_DATA_HOME/norvexa
// when that is an absolute path, else $HOME/.local/share/norvexa (relative to the working
// folder when HOME is unset). Every fixed path of the program lies under it. The
// environment is read on each call. Folder paths are returned without a trailing
// separator; join them with operator/.
std::filesystem::path program_folder();
// Creates the folder and any missing parents; a failure is left to the write that follows.
void make_folder(const std::filesystem::path& folder);

std::filesystem::path materials_folder();       // materiali
std::filesystem::path concrete_folder();        // materiali/cls
std::filesystem::path steel_folder();           // materiali/acciaio
std::filesystem::path settings_file();          // FCOL
std::filesystem::path report_text_file();       // relazionetemp.txt
std::filesystem::path report_rich_text_file();  // relazionetempword.rtf
std::filesystem::path manual_file();            // manuale.rtf

}  // namespace norvexa
