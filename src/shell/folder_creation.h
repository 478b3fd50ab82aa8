#pragma once

#include <string>
#include <vector>

namespace norvexa {

// The folder-creation window, shown instead of the program when a material folder is
// missing.
struct Cartelle {
    const std::string title = "Creazione cartelle  software";
    const std::string heading = "Installazione di N O R V E X A";
    const std::string text =
        "PER IL CORRETTO FUNZIONAMENTO DEL SOFTWARE E'  NECESSARIO CREARE LE SEGUENTI CARTELLE:";
    const std::string done = "Operazione riuscita; Riavviare il software";
    const std::string not_loaded = "Norvexa non può essere caricato";

    // The two material folders of this machine, concrete first, as shown to the user.
    static std::vector<std::string> folders();
    // "OK": creates the program folder's material tree (and the folders above it), then
    // writes the reference materials into their folders unless a material of that name
    // is there already, so that a project saved with the start materials opens again.
    // False when a folder could not be made.
    static bool create();
};

}  // namespace norvexa
