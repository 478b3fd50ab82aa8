#include "shell/info_window.h"

namespace norvexa {

InfoWindow::InfoWindow() {
    Label1.text = "NORVEXA rel 1.0";
    Label2.text = "SOFTWARE PER LA VERIFICA DI SEZIONI IN C.A. AGLI STATI LIMITE ULTIMI";
    Label3.text = "Ideazione, progettazione e realizzazione a cura di";
    Label4.text = "Gruppo di sviluppo Norvexa";
    Label5.text = "Per informazioni, commenti o segnalazione di errori:";
    Label6.text = "assistenza@norvexa.it";
    Label7.text =
        "Condizioni d'uso: il programma è distribuito così com'è, senza garanzia di alcun tipo. I risultati "
        "sono un ausilio al calcolo e vanno controllati da un tecnico abilitato, che resta il solo responsabile "
        "del progetto e delle verifiche; gli autori non rispondono di danni derivanti dal suo uso.";
    Command2.text = "OK";
}

void InfoWindow::show() {
    loaded = true;
    visible = true;
    ++revision;
}

void InfoWindow::unload() {
    loaded = false;
    visible = false;
    ++revision;
}

void InfoWindow::Command2_Click() { unload(); }
void InfoWindow::Form_Deactivate() { unload(); }

}  // namespace norvexa
