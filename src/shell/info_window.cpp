#include "shell/info_window.h"

namespace norvexa {

InfoWindow::InfoWindow() {
    using K = ControlKind;
    add("Label1", Label1, K::label).text(caption);
    add("Label2", Label2, K::label).text("SOFTWARE PER LA VERIFICA DI SEZIONI IN C.A. AGLI STATI LIMITE ULTIMI");
    add("Label3", Label3, K::label).text("Ideazione, progettazione e realizzazione a cura di");
    add("Label4", Label4, K::label).text("Gruppo di sviluppo Norvexa");
    add("Label5", Label5, K::label).text("Per informazioni, commenti o segnalazione di errori:");
    add("Label6", Label6, K::label).text("assistenza@norvexa.it");
    add("Label7", Label7, K::label)
        .text("Condizioni d'uso: il programma è distribuito così com'è, senza garanzia di alcun tipo. I risultati "
              "sono un ausilio al calcolo e vanno controllati da un tecnico abilitato, che resta il solo "
              "responsabile del progetto e delle verifiche; gli autori non rispondono di danni derivanti dal suo "
              "uso.");
    add("Command2", Command2, K::command_button).text("OK").back(colours::button_face)
        .click([this] { Command2_Click(); });
    reset();
}

void InfoWindow::show() {
    if (!loaded_) reset();
    loaded_ = true;
    visible_ = true;
    touch();
}

void InfoWindow::unload() {
    loaded_ = false;
    visible_ = false;
    touch();
}

void InfoWindow::Command2_Click() { unload(); }
void InfoWindow::Form_Deactivate() { unload(); }

}  // namespace norvexa
