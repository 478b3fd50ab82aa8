// The help texts shown while the pointer is over the input form's fields and frames.
#include <map>
#include <string>

#include "input/form1_help.h"

namespace norvexa {
namespace {

const char* const general =
    "(Per informazioni sui comandi posizionati su di essi con il mouse. Per maggiori informazioni consulta il "
    "manuale.)";
const char* const shape = "Seleziona geometria sezione (Inserimento per coordinate non ancora abilitato)";
const char* const layers =
    "Selezionare dalla lista a tendina il numero di strati barre della sezione; Inserire l'area relativa ad ogni "
    "strato barre (As1, As2, ecc.) o accedere alla pagina (doppio click sulla finestra di inserimento testo) per "
    "selezionare numero e diametro ferri. Iserire infine la distanza degli strati barre dal lembo superiore della "
    "trave (d1, d2, ecc.).";
const char* const material_list =
    "Click per selezionare il tipo di calcestruzzo da utilizzare; Doppio click (o tasto sulla toolbar) per accedere "
    "alla form di modifica dei materiali";

const std::map<std::string, const char*, std::less<>>& help_texts() {
    static const std::map<std::string, const char*, std::less<>> texts = {
        {"rett", shape}, {"t", shape}, {"COOR", shape}, {"lblShape1", shape}, {"lblShape2", shape},
        {"frameSizes",
         "Inserire (o selezionare dalla lista a tendina): B1=base, H1=altezza, B2=larghezza anima (se sezione a T), "
         "H2=altezza anima (se sezione a T). "},
        {"frameDimensioni", general}, {"frameArmature", general}, {"frameCls", general}, {"frameAcciaio", general},
        {"rettang", general}, {"toller", general},
        {"SSTab1", layers}, {"ta1", layers}, {"ta2", layers}, {"ta3", layers}, {"ta4", layers},
        {"td1", layers}, {"td2", layers}, {"td3", layers}, {"td4", layers},
        {"frameStaffe",
         "Selezionare Nb=Numero braccia staffe, (/)=diametro staffe, S=passo staffe. Disabilitare il flag se non si "
         "desidera effettuare la verifica a taglio (il frame -Staffe- verrà spento). "},
        {"Check5",
         "Disabilitare il flag se non si desidera effettuare la verifica a taglio (il frame -Staffe- verrà spento)"},
        {"frameSollecitazioni", "Inserire sollecitazioni di progetto. "},
        {"Command1", "Clikkare solo dopo aver inserito tutti i dati richiesti"},
        {"sl1",
         "Questo slider permette di cambiare l'altezza di calcolo dei rettangolini di cls (maggiore è l'altezza dei "
         "rettangoli, minore è la precisione dei risultati). Si consiglia di aumentare l'altezza solo se non si "
         "dispone di un processore potente (la complessità dell'algoritmo di calcolo potrebbe richiedere qualche "
         "secondo per ottenere i risultati)"},
        {"sl2",
         "Questo slider permette di cambiare la tolleranza nel calcolo dell'asse neutro (maggiore è la tolleranza, "
         "minore è la precisione dei risultati). Si consiglia di aumentare la tolleranza solo se non si dispone di un "
         "processore potente (la complessità dell'algoritmo di calcolo potrebbe richiedere qualche secondo per "
         "ottenere i risultati)"},
        {"File1", material_list}, {"File2", material_list},
        {"frameSteelProperties", "Caratteristiche Acciaio selezionato"},
        {"frameConcreteProperties", "Caratteristiche Cls selezionato"},
    };
    return texts;
}

}  // namespace

const char* form1_help_text(std::string_view name) {
    const auto& texts = help_texts();
    const auto found = texts.find(name);
    return found == texts.end() ? nullptr : found->second;
}

}  // namespace norvexa
