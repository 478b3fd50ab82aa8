#include "materials/library_window.h"

#include <algorithm>

#include "input/form1.h"

namespace norvexa {
namespace {

constexpr const char* data_warning =
    "Il software non verifica i dati inseriti; Avere cura che ci sia corrispondenza tra valori e coefficienti. "
    "(Per ulteriori informazioni consultare la guida)";
constexpr const char* write_failed =
    "Impossibile salvare/modificare il materiale; Per maggiori informazioni consultare la guida";
constexpr Colour light_red = rgb(255, 192, 192);

// What tells the two windows apart.
struct Names {
    const char* window;
    const char* list;
    const char* list_caption;
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

const Names& names_of(MaterialKind kind) {
    static const Names steel{"selacciaio", "File2", "Lista acciai:", "TAB2", "  Acciaio   ", "Shape1", "Frame17",
                             "Nuovo acciaio", "Modifica acciaio", "cbc2", "cns2", 1, 1,
                             {"Descrizione:", "fyk.....N/mmq", "γs....... (coeff)", "fyd....N/mmq", "Es.... N/mmq",
                              "εyd............ %°", "εsu............. %°"}};
    static const Names concrete{"selcls", "File1", "Lista calcestruzzi:", "TAB1", "Calcestruzzo", "Shape10",
                                "Frame16", "Nuovo calcestruzzo", "Modifica calcestruzzo", "cbc", "cbs", 8, 2,
                                {"Descrizione:", "Rck...N/mmq", "fck.....N/mmq", "γc..... (coeff)", "fcd.... N/mmq",
                                 "α....... (coeff)", "fcd*... N/mmq", "εcu............. %°", "τr d.. N/mmq"}};
    return kind == MaterialKind::steel ? steel : concrete;
}

ControlInfo in(ControlKind kind, std::string frame = {}, std::string tip = {}) {
    ControlInfo info;
    info.kind = kind;
    info.frame = std::move(frame);
    info.tip = std::move(tip);
    return info;
}

}  // namespace

LibraryWindow::LibraryWindow(MaterialKind kind, Form1& form, Prompter& prompter)
    : ss(field_count(kind) + 1), lblss(field_count(kind) + 1), kind_(kind), form_(form), prompter_(prompter) {
    build_registry();
    set_start_state();
}

const char* LibraryWindow::name() const { return names_of(kind_).window; }

void LibraryWindow::build_registry() {
    const Names& names = names_of(kind_);
    auto add = [this](std::string name, Control& c, ControlInfo info) {
        info_.emplace(name, std::move(info));
        registry_.emplace_back(std::move(name), &c);
    };
    using K = ControlKind;
    add("lblLista", lblLista, in(K::label));
    add(names.list, File, in(K::file_list, {}, kind_ == MaterialKind::steel ? "Click per selezionare Acciaio"
                                                                              : "Click per selezionare Cls"));
    add(names.tab, TAB, in(K::tab_panel));
    ControlInfo frame = in(K::frame, names.tab);
    frame.page = 0;
    add(names.frame, Frame, frame);
    add(names.shape, Shape, in(K::panel, names.frame));
    for (std::size_t i = 0; i < ss.size(); ++i) {
        const std::string number = std::to_string(names.first_field + static_cast<int>(i));
        add("lblss" + number, lblss[i], in(K::label, names.frame));
        add("ss" + number, ss[i], in(K::text_field, names.frame));
    }
    add("Toolbar2", Toolbar2, in(K::tool_bar));
    add(names.carica, cbc, in(K::command_button, {}, "Carica materiale selezionato"));
    add(names.salva, cbs, in(K::command_button, {}, "Salva nuovo materiale"));
    add("Command1", Command1, in(K::command_button, {}, "Annulla e chiudi"));
}

Control* LibraryWindow::find(std::string_view name) {
    for (const auto& [registered, control] : registry_)
        if (registered == name) return control;
    return nullptr;
}

const Control* LibraryWindow::find(std::string_view name) const {
    return const_cast<LibraryWindow*>(this)->find(name);
}

std::string LibraryWindow::name_of(const Control& control) const {
    for (const auto& [name, registered] : registry_)
        if (registered == &control) return name;
    return {};
}

const ControlInfo& LibraryWindow::info(std::string_view name) const {
    static const ControlInfo unknown;
    const auto found = info_.find(name);
    return found == info_.end() ? unknown : found->second;
}

bool LibraryWindow::usable(std::string_view name) const {
    const Control* c = find(name);
    if (!c || !c->enabled || !c->visible) return false;
    const std::string& frame = info(name).frame;
    return frame.empty() || usable(frame);
}

bool LibraryWindow::toolbar_button_enabled(int button) const {
    if (button == 2 || button == 3) return true;
    return button == 5 && mode_ == Mode::browse;
}

int LibraryWindow::pressed_button() const {
    switch (mode_) {
        case Mode::create: return 2;
        case Mode::edit: return 3;
        case Mode::browse: break;
    }
    return 0;
}

Control* LibraryWindow::form_labels() const {
    return kind_ == MaterialKind::steel ? form_.stl.data() : form_.con.data();
}

void LibraryWindow::show() {
    ++revision_;
    if (!open_) Form_Load();
    Form_Activate();
}

void LibraryWindow::Form_Load() {
    set_start_state();
    File.items = list_materials(kind_);
    open_ = true;
}

void LibraryWindow::set_start_state() {
    const Names& names = names_of(kind_);
    for (const auto& [name, control] : registry_) *control = Control{};
    lblLista.text = names.list_caption;
    TAB.items = {names.tab_caption};
    for (std::size_t i = 0; i < lblss.size(); ++i) lblss[i].text = names.captions[i];
    Toolbar2.items = {"", "Nuovo materiale", "Modifica materiale", "", "Elimina materiale"};
    cbc.text = "Carica";
    cbs.text = "Salva";
    Command1.text = "Annulla";
    for (Control* button : {&cbc, &cbs, &Command1}) button->back = colours::button_face;
    Frame.enabled = false;
    cbs.visible = false;
    // Nothing to hand over until a material has been read.
    cbc.enabled = false;
    set_browse_colours();
    mode_ = Mode::browse;
}

void LibraryWindow::Form_Activate() {
    ++revision_;
    if (!open_ || active_) return;
    active_ = true;
    show_form_frames(false);
    const std::string current = form_labels()[0].text;
    if (!current.empty() && read_into_fields(current)) File.text = current;
}

void LibraryWindow::Form_Deactivate() {
    ++revision_;
    if (open_) close();
}

void LibraryWindow::Form_Unload() {
    ++revision_;
    if (!open_) return;
    open_ = active_ = false;
    mode_ = Mode::browse;
    show_form_frames(true);
    refresh_form_lists();
}

void LibraryWindow::close() {
    Form_Unload();
    if (close_window) close_window();
}

void LibraryWindow::show_form_frames(bool shown) {
    if (kind_ == MaterialKind::steel) form_.frameAcciaio.visible = form_.frameSteelProperties.visible = shown;
    else form_.frameCls.visible = form_.frameConcreteProperties.visible = shown;
}

void LibraryWindow::refresh_form_lists() {
    form_.File_LostFocus(MaterialKind::steel);
    form_.File_LostFocus(MaterialKind::concrete);
}

bool LibraryWindow::type(std::string_view name, const std::string& text) {
    ++revision_;
    Control* c = find(name);
    const bool field = c && c >= ss.data() && c < ss.data() + ss.size();
    if (!field || !usable(name)) return false;
    c->text = text;
    return true;
}

bool LibraryWindow::choose(std::string_view name, const std::string& item) {
    ++revision_;
    if (find(name) != &File || !usable(name)) return false;
    if (std::find(File.items.begin(), File.items.end(), item) == File.items.end()) return false;
    File.text = item;
    File_Click();
    return true;
}

bool LibraryWindow::click(std::string_view name) {
    ++revision_;
    Control* c = find(name);
    if (!c || !usable(name)) return false;
    if (c == &cbc) carica();
    else if (c == &cbs) Salva_Click();
    else if (c == &Command1) close();
    else return false;
    return true;
}

bool LibraryWindow::double_click(std::string_view name) {
    ++revision_;
    if (find(name) != &File || !usable(name)) return false;
    carica();
    return true;
}

void LibraryWindow::Toolbar2_ButtonClick(int button) {
    ++revision_;
    if (!open_ || !toolbar_button_enabled(button)) return;
    if (button == 2) nuovo();
    else if (button == 3) modifica();
    else if (button == 5) elimina();
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
    Control* labels = form_labels();
    for (std::size_t i = 0; i < ss.size(); ++i) labels[i].text = ss[i].text;
    // The project now uses another material: the exit and new-project questions must ask.
    form_.salvaconnome = true;
    close();
}

void LibraryWindow::nuovo() {
    show_material(new_material(kind_));
    start_editing(Mode::create, names_of(kind_).new_caption);
}

void LibraryWindow::modifica() {
    if (ss[0].text.empty()) {
        prompter_.ask({"Selezionare materiale da modificare", Icon::information, Buttons::ok, "Attenzione"});
        return;
    }
    start_editing(Mode::edit, names_of(kind_).edit_caption);
}

void LibraryWindow::start_editing(Mode mode, const char* frame_caption) {
    mode_ = mode;
    Frame.enabled = true;
    Frame.text = frame_caption;
    for (Control& field : ss) field.back = colours::white;
    ss[names_of(kind_).red_field].back = light_red;
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
    ++revision_;
    // Refused before anything is written, the typing kept for the name to be mended.
    if (const std::string problem = unstorable_name_text(ss[0].text); !problem.empty()) {
        prompter_.ask({problem, Icon::warning, Buttons::ok, "Attenzione"});
        return false;
    }
    Materiale material{kind_, ss[0].text, {}};
    for (std::size_t i = 1; i < ss.size(); ++i) material.fields.push_back(ss[i].text);
    const bool written = write_material(material);
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
    refresh_form_lists();
}

void LibraryWindow::set_browse_colours() {
    const Colour colour = (kind_ == MaterialKind::steel ? form_.Shape11 : form_.Shape10).back;
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
    refresh_form_lists();
}

}  // namespace norvexa
