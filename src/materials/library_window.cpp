#include "materials/library_window.h"

#include <algorithm>

#include "materials/reference_materials.h"

namespace norvexa {
namespace {

constexpr const char* data_warning =
    "Il software non verifica i dati inseriti; Avere cura che ci sia corrispondenza tra valori e coefficienti. "
    "(Per ulteriori informazioni consultare la guida)";
constexpr const char* write_failed =
    "Impossibile salvare/modificare il materiale; Per maggiori informazioni consultare la guida";
constexpr Colour light_red = rgb(255, 192, 192);

// What tells the two windows apart.
struct Look {
    const char* window;
    const char* list;
    const char* list_caption;
    const char* list_tip;
    const char* tab;
    const char* tab_caption;
    const char* shape;
    const char* frame;
    const char* new_caption;
    const char* edit_caption;
    const char* carica;
    const char* salva;
    int first_field;       // the number of the name field: ss1 or ss8
    std::size_t red_field;  // fyk / fck, light red while editing; index into ss
    std::vector<const char*> captions;
};

const Look& look_of(MaterialKind kind) {
    static const Look steel{"selacciaio", "File2", "Lista acciai:", "Click per selezionare Acciaio", "TAB2",
                            "  Acciaio   ", "Shape1", "Frame17", "Nuovo acciaio", "Modifica acciaio", "cbc2", "cns2",
                            1, 1,
                            {"Descrizione:", "fyk.....N/mmq", "γs....... (coeff)", "fyd....N/mmq", "Es.... N/mmq",
                             "εyd............ %°", "εsu............. %°"}};
    static const Look concrete{"selcls", "File1", "Lista calcestruzzi:", "Click per selezionare Cls", "TAB1",
                               "Calcestruzzo", "Shape10", "Frame16", "Nuovo calcestruzzo", "Modifica calcestruzzo",
                               "cbc", "cbs", 8, 2,
                               {"Descrizione:", "Rck...N/mmq", "fck.....N/mmq", "γc..... (coeff)", "fcd.... N/mmq",
                                "α....... (coeff)", "fcd*... N/mmq", "εcu............. %°", "τr d.. N/mmq"}};
    return kind == MaterialKind::steel ? steel : concrete;
}

}  // namespace

LibraryWindow::LibraryWindow(MaterialKind kind, MaterialUser& user, Prompter& prompter)
    : kind_(kind), user_(user), prompter_(prompter), ss(field_count(kind) + 1), lblss(field_count(kind) + 1) {
    build_table();
    reset();
}

const char* LibraryWindow::name() const { return look_of(kind_).window; }

void LibraryWindow::build_table() {
    const Look& look = look_of(kind_);
    using K = ControlKind;
    names_ = {look.list, look.tab, look.frame, look.carica, look.salva, {}, {}};
    add("lblLista", lblLista, K::label).text(look.list_caption);
    add(look.list, File, K::file_list)
        .tip(look.list_tip)
        .choose([this] { File_Click(); })
        .double_click([this] { carica(); });
    add(look.tab, TAB, K::tab_panel).items({look.tab_caption});
    add(look.frame, Frame, K::frame).in(look.tab, 0).enabled(false);
    add(look.shape, Shape, K::panel).in(look.frame);
    for (std::size_t i = 0; i < ss.size(); ++i) {
        const std::string number = std::to_string(look.first_field + static_cast<int>(i));
        names_.captions.push_back("lblss" + number);
        names_.fields.push_back("ss" + number);
        add(names_.captions.back(), lblss[i], K::label).in(look.frame).text(look.captions[i]);
        add(names_.fields.back(), ss[i], K::text_field).in(look.frame);
    }
    add("Toolbar2", Toolbar2, K::tool_bar)
        .items({"", "Nuovo materiale", "Modifica materiale", "", "Elimina materiale",
                "Aggiungi materiali di riferimento"})
        .tool([this](int button) { Toolbar2_ButtonClick(button); },
              [this](int button) { return toolbar_button_enabled(button); });
    // Nothing to hand over until a material has been read.
    add(look.carica, cbc, K::command_button)
        .tip("Carica materiale selezionato")
        .text("Carica")
        .back(colours::button_face)
        .enabled(false)
        .click([this] { carica(); });
    add(look.salva, cbs, K::command_button)
        .tip("Salva nuovo materiale")
        .text("Salva")
        .back(colours::button_face)
        .visible(false)
        .click([this] { Salva_Click(); });
    add("Command1", Command1, K::command_button)
        .tip("Annulla e chiudi")
        .text("Annulla")
        .back(colours::button_face)
        .click([this] { close(); });
}

bool LibraryWindow::toolbar_button_enabled(int button) const {
    if (button == 2 || button == 3) return true;
    return (button == 5 || button == 6) && mode_ == Mode::browse;
}

int LibraryWindow::pressed_button() const {
    switch (mode_) {
        case Mode::create: return 2;
        case Mode::edit: return 3;
        case Mode::browse: break;
    }
    return 0;
}

void LibraryWindow::show() {
    touch();
    if (!open_) Form_Load();
    Form_Activate();
}

void LibraryWindow::Form_Load() {
    reset();
    set_browse_colours();
    mode_ = Mode::browse;
    File.items = list_materials(kind_);
    open_ = true;
}

void LibraryWindow::Form_Activate() {
    touch();
    if (!open_ || active_) return;
    active_ = true;
    user_.show_material_frames(kind_, false);
    const std::string current = user_.material_name(kind_);
    if (!current.empty() && read_into_fields(current)) File.text = current;
}

void LibraryWindow::Form_Deactivate() {
    touch();
    if (open_) close();
}

void LibraryWindow::Form_Unload() {
    touch();
    if (!open_) return;
    open_ = active_ = false;
    mode_ = Mode::browse;
    user_.show_material_frames(kind_, true);
    user_.refresh_material_lists();
}

void LibraryWindow::close() {
    Form_Unload();
    if (close_window) close_window();
}

void LibraryWindow::Toolbar2_ButtonClick(int button) {
    touch();
    if (!open_ || !toolbar_button_enabled(button)) return;
    if (button == 2) nuovo();
    else if (button == 3) modifica();
    else if (button == 5) elimina();
    else if (button == 6) aggiungi_riferimenti();
}

void LibraryWindow::File_Click() { read_into_fields(File.text); }

bool LibraryWindow::read_into_fields(const std::string& material) {
    const MaterialRead read = read_material(kind_, material);
    if (read.error != MaterialError::none) {
        cbc.enabled = false;
        prompter_.ask({unreadable_material_text(kind_, material), Icon::critical, Buttons::ok, "Errore"});
        return false;
    }
    show_material(read.material);
    cbc.enabled = true;
    return true;
}

void LibraryWindow::show_material(const Materiale& material) { show_material_in(ss, material); }

Materiale LibraryWindow::shown_material() const {
    Materiale material{kind_, ss[0].text, {}};
    for (std::size_t i = 1; i < ss.size(); ++i) material.fields.push_back(ss[i].text);
    return material;
}

void LibraryWindow::clear_fields() {
    for (Control& field : ss) field.text.clear();
}

void LibraryWindow::carica() {
    // Only a material read from its file (or just written to it) is handed over, so the
    // input form never names a material the library does not hold.
    if (!cbc.enabled || mode_ != Mode::browse || ss[0].text.empty()) return;
    if (const std::string problem = unstorable_name_text(ss[0].text); !problem.empty()) {
        prompter_.ask({problem, Icon::warning, Buttons::ok, "Attenzione"});
        return;
    }
    user_.use_material(shown_material());
    close();
}

void LibraryWindow::nuovo() {
    show_material(new_material(kind_));
    start_editing(Mode::create, look_of(kind_).new_caption);
}

void LibraryWindow::modifica() {
    if (ss[0].text.empty()) {
        prompter_.ask({"Selezionare materiale da modificare", Icon::information, Buttons::ok, "Attenzione"});
        return;
    }
    start_editing(Mode::edit, look_of(kind_).edit_caption);
}

void LibraryWindow::start_editing(Mode mode, const char* frame_caption) {
    mode_ = mode;
    Frame.enabled = true;
    Frame.text = frame_caption;
    for (Control& field : ss) field.back = colours::white;
    ss[look_of(kind_).red_field].back = light_red;
    cbs.visible = true;
    cbc.enabled = false;
    File.enabled = false;
    prompter_.ask({data_warning, Icon::information, Buttons::ok, "Attenzione"});
}

void LibraryWindow::Salva_Click() {
    if (ss[0].text.empty()) return;
    salva();
}

bool LibraryWindow::salva() {
    touch();
    // Refused before anything is written, the typing kept for the name to be mended.
    if (const std::string problem = unstorable_name_text(ss[0].text); !problem.empty()) {
        prompter_.ask({problem, Icon::warning, Buttons::ok, "Attenzione"});
        return false;
    }
    const bool written = write_material(shown_material());
    if (!written) prompter_.ask({write_failed, Icon::critical, Buttons::ok, "Errore"});
    back_to_browse(written);
    return written;
}

void LibraryWindow::back_to_browse(bool material_shown) {
    mode_ = Mode::browse;
    Frame.text.clear();
    set_browse_colours();
    File.items = list_materials(kind_);
    if (material_shown) File.text = ss[0].text;
    cbs.visible = false;
    cbc.enabled = material_shown;
    File.enabled = true;
    Frame.enabled = false;
    user_.refresh_material_lists();
}

void LibraryWindow::set_browse_colours() {
    const Colour colour = user_.material_colour(kind_);
    Shape.back = colour;
    for (Control& field : ss) field.back = colour;
}

void LibraryWindow::elimina() {
    if (cbs.visible) return;
    const std::string material = ss[0].text;
    if (material.empty()) {
        prompter_.ask({"Selezionare materiale da cancellare", Icon::information, Buttons::ok, "Attenzione"});
        return;
    }
    if (prompter_.ask({"Eliminare il materiale " + material + "?", Icon::none, Buttons::yes_no, "Attenzione"}) ==
        Answer::yes) {
        if (!delete_material(kind_, material))
            prompter_.ask({write_failed, Icon::critical, Buttons::ok, "Errore"});
        File.items = list_materials(kind_);
        File.text.clear();
        clear_fields();
        cbc.enabled = false;
    }
    user_.refresh_material_lists();
}

void LibraryWindow::aggiungi_riferimenti() {
    const ReferenceMaterialsAdded added = add_reference_materials();
    File.items = list_materials(kind_);
    user_.refresh_material_lists();
    if (!added.failed.empty()) {
        prompter_.ask({write_failed, Icon::critical, Buttons::ok, "Errore"});
        return;
    }
    std::string text = "I materiali di riferimento sono già tutti nella libreria.";
    if (added.written == 1) text = "Aggiunto 1 materiale di riferimento alla libreria.";
    else if (added.written > 1)
        text = "Aggiunti " + std::to_string(added.written) + " materiali di riferimento alla libreria.";
    prompter_.ask({text, Icon::information, Buttons::ok, "Materiali di riferimento"});
}

}  // namespace norvexa
