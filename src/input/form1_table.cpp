// The input form's control table: every control with its kind, place, start state,
// help text and handlers, in one row each.
#include "common/settings_file.h"
#include "input/form1.h"
#include "input/form1_help.h"

namespace norvexa {
namespace {

std::string indexed(const char* stem, int i) { return stem + std::to_string(i); }

// Group area labels: a1..a3 on the first page, A<group><layer> on the others.
std::string group_area_name(int layer, int group) {
    return layer == 0 ? indexed("a", group + 1) : "A" + std::to_string(group + 1) + std::to_string(layer + 1);
}

const char* const steel_captions[] = {"fyk.....N/mmq", "γs....... (coeff)", "fyd....N/mmq", "Es.... N/mmq",
                                      "εyd............", "εsu............."};
const char* const concrete_captions[] = {"Rck...N/mmq",      "fck.....N/mmq", "γc..... (coeff)",  "fcd.... N/mmq",
                                         "α....... (coeff)", "fcd*... N/mmq", "εcu.............", "τr d.... N/mmq"};

}  // namespace

RowBuilder Form1::row(std::string name, Control& control, ControlKind kind) {
    const char* help = form1_help_text(name);
    RowBuilder built = add(std::move(name), control, kind);
    if (help) built.help(help);
    return built;
}

void Form1::build_table() {
    using K = ControlKind;
    const DisplaySettings design;

    row("frameShape", frameShape, K::frame).text("Sezione");
    row("Shape5", Shape5, K::panel).in("frameShape").back(design.mask);
    row("rett", rett, K::option_button).in("frameShape").group("shape").text("Rettangolare").value(1)
        .back(design.mask).click([this] { rett_Click(); });
    row("t", t, K::option_button).in("frameShape").group("shape").text("Sezione a T").back(design.mask)
        .click([this] { t_Click(); });
    row("COOR", COOR, K::option_button).in("frameShape").group("shape").text("Coordinate").enabled(false)
        .back(design.mask);
    row("lblShape1", lblShape1, K::label).in("frameShape").text("Geometria");
    row("lblShape2", lblShape2, K::label).in("frameShape").text("della sezione");

    row("frameDimensioni", frameDimensioni, K::frame).text("Dimensioni");
    row("frameSizes", frameSizes, K::frame).in("frameDimensioni");
    row("Shape6", Shape6, K::panel).in("frameSizes").back(design.mask);
    row("lblB1", lblB1, K::label).in("frameSizes").text("B1 (cm)");
    row("lblH1", lblH1, K::label).in("frameSizes").text("H1 (cm)");
    row("lblB2", lblB2, K::label).in("frameSizes").text("B2 (cm)").visible(false);
    row("lblH2", lblH2, K::label).in("frameSizes").text("H2 (cm)").visible(false);
    row("webSketch", webSketch, K::picture).in("frameSizes").visible(false);
    for (const auto& [name, size] : {std::pair{"tb", &tb}, {"th", &th}, {"tb2", &tb2}, {"th2", &th2}})
        row(name, *size, K::editable_list).in("frameSizes").back(design.concrete).visible(size != &tb2 && size != &th2)
            .change([this, size = size] { size_Change(*size); })
            .leave([this, size = size] { point_to_comma_Validate(*size); });

    row("frameArmature", frameArmature, K::frame).text("Armature");
    row("strati", strati, K::choice_list).in("frameArmature").back(design.steel).choose([this] { strati_Click(); });
    row("SSTab1", SSTab1, K::tab_panel).in("frameArmature")
        .items({"Strati", "Strato 1", "Strato 2", "Strato 3", "Strato 4"}).click([this] { SSTab1_Click(); });
    for (int k = 0; k < 4; ++k) {
        const bool usable_layer = k == 0;
        const Colour field_back = usable_layer ? layer_tints[0] : design.mask;
        row(indexed("s", k + 1), s[k], K::panel).in("SSTab1", 0).back(design.mask);
        row(indexed("sq", k + 1), sq[k], K::panel).in("SSTab1", 0).back(design.mask);
        row(indexed("lblAs", k + 1), lblAs[k], K::label).in("SSTab1", 0).enabled(usable_layer)
            .text("As" + std::to_string(k + 1) + " (cmq)");
        row(indexed("lblD", k + 1), lblD[k], K::label).in("SSTab1", 0).enabled(usable_layer)
            .text("d" + std::to_string(k + 1) + " (cm)");
        row(indexed("ta", k + 1), ta[k], K::text_field).in("SSTab1", 0).enabled(usable_layer).back(field_back)
            .change([this, k] { ta_Change(k); }).leave([this, k] { point_to_comma_Validate(ta[k]); })
            .key_down([this, k] { ta_KeyDown(k); }).double_click([this, k] { show_tab(k + 1); });
        row(indexed("td", k + 1), td[k], K::editable_list).in("SSTab1", 0).enabled(usable_layer).back(field_back)
            .change([this, k] { td_Change(k); }).leave([this, k] { point_to_comma_Validate(td[k]); });
    }
    for (int k = 0; k < 4; ++k) {
        const std::string page_frame = indexed("barFrame", k + 1);
        const int page = k + 1;
        row(page_frame, barFrame[k], K::frame).in("SSTab1", page).enabled(k == 0)
            .text("Armatura strato barre " + std::to_string(k + 1));
        row(indexed("lblCount", k + 1), lblCount[k], K::label).in(page_frame, page).text("N° barre");
        row(indexed("lblDiameter", k + 1), lblDiameter[k], K::label).in(page_frame, page).text("φ (mm)");
        row(indexed("lblGroupArea", k + 1), lblGroupArea[k], K::label).in(page_frame, page).text("Area (cmq)");
        for (int g = 0; g < 3; ++g) {
            const std::string suffix = std::to_string(k + 1) + "a" + std::to_string(g + 1);
            for (const auto& [stem, field] : {std::pair{"n", &n[k][g]}, {"f", &f[k][g]}})
                row(stem + suffix, *field, K::editable_list).in(page_frame, page)
                    .change([this, field = field] { bar_Change(*field); })
                    .choose([this, k, g] { bar_Chosen(k, g); }).leave([this, k, g] { bar_Chosen(k, g); });
            row(group_area_name(k, g), groupArea[k][g], K::label).in(page_frame, page);
        }
        row(indexed("lblTotal", k + 1), lblTotal[k], K::label).in(page_frame, page)
            .text("As" + std::to_string(k + 1) + "=cmq");
        row(k == 0 ? "atot" : indexed("ATOT", k + 1), total[k], K::label).in(page_frame, page);
        row(indexed("Command", k + 3), returnButton[k], K::command_button).in(page_frame, page).text("Indietro")
            .click([this] { show_tab(0); });
    }

    row("frameStaffe", frameStaffe, K::frame).text("Staffe");
    row("Shape7", Shape7, K::panel).in("frameStaffe").back(design.mask);
    row("lblNbr", lblNbr, K::label).in("frameStaffe").text("N°b");
    row("lblDst", lblDst, K::label).in("frameStaffe").text("φ");
    row("lblPasso", lblPasso, K::label).in("frameStaffe").text("S (cm)");
    for (const auto& [name, field] : {std::pair{"nbr", &nbr}, {"dst", &dst}, {"passo", &passo}})
        row(name, *field, K::editable_list).in("frameStaffe")
            .change([this, field = field] { stirrup_Change(*field); })
            .leave([this, field = field] { stirrup_Validate(*field); });
    row("lblAst", lblAst, K::label).in("frameStaffe").text("Ast/m (cmq/ml)");
    row("ast", ast, K::label).in("frameStaffe");
    row("Check5", Check5, K::check_box).text(" Verifica  taglio").value(1).click([this] { Check5_Click(); });
    row("Check1", Check1, K::check_box).text(" Verifica  flessione").value(1).enabled(false)
        .click([this] { Check1_Click(); });

    row("frameSollecitazioni", frameSollecitazioni, K::frame).text("Sollecitazioni");
    row("Shape8", Shape8, K::panel).in("frameSollecitazioni").back(design.mask);
    row("lblTMS", lblTMS, K::label).in("frameSollecitazioni").text("Msd (KNm)");
    row("TMS", TMS, K::text_field).in("frameSollecitazioni").text("0").change([this] { action_Change(TMS); })
        .leave([this] { action_Validate(TMS); });
    row("lblTVS", lblTVS, K::label).in("frameSollecitazioni").text("Vsd (KN)");
    row("TVS", TVS, K::text_field).in("frameSollecitazioni").text("0").change([this] { action_Change(TVS); })
        .leave([this] { action_Validate(TVS); });

    row("framePrecisione", framePrecisione, K::frame).text("Precisione di calcolo");
    row("Shape9", Shape9, K::panel).in("framePrecisione").back(design.mask);
    row("sl1", sl1, K::slider).in("framePrecisione").range(lowest_slider_position, last_strip_position)
        .tip("<=diminuisce H rettangolini cls aumenta==>").value(20).change([this] { sl1_Change(); });
    row("lblRettang", lblRettang, K::label).in("framePrecisione").text("Rettang. cls: (mmx10)");
    row("rettang", rettang, K::label).in("framePrecisione").text("2");
    row("sl2", sl2, K::slider).in("framePrecisione").range(lowest_slider_position, last_tolerance_position)
        .tip("<=diminuisce Tolleranza aumenta==>").value(10).change([this] { sl2_Change(); });
    row("lblToller", lblToller, K::label).in("framePrecisione").text("Tolleranza: (Nmm)");
    row("toller", toller, K::label).in("framePrecisione").text("10");
    row("Command1", Command1, K::command_button).tip("Esegui Elabotazione").text("Calcola")
        .back(colours::button_face).click([this] { Command1_Click(); }).press([this] { Command1_MouseDown(); })
        .release([this] { Command1_MouseUp(); });

    const Materiale& steel = reference_material(MaterialKind::steel);
    const Materiale& concrete = reference_material(MaterialKind::concrete);
    row("frameAcciaio", frameAcciaio, K::frame).text("Acciaio");
    row("File1", File1, K::file_list).in("frameAcciaio").tip("Click per selezionare Acciaio")
        .choose([this] { File_Click(MaterialKind::steel); }).leave([this] { File_LostFocus(MaterialKind::steel); })
        .double_click([this] {
            if (hooks.show_steel_library) hooks.show_steel_library();
        });
    row("frameCls", frameCls, K::frame).text("Cls");
    row("File2", File2, K::file_list).in("frameCls").tip("Click per selezionare Cls")
        .choose([this] { File_Click(MaterialKind::concrete); })
        .leave([this] { File_LostFocus(MaterialKind::concrete); })
        .double_click([this] {
            if (hooks.show_concrete_library) hooks.show_concrete_library();
        });
    row("frameSteelProperties", frameSteelProperties, K::frame).text("Caratteristiche acciaio selezionato");
    row("Shape11", Shape11, K::panel).in("frameSteelProperties").back(design.steel);
    row("stl1", stl[0], K::label).in("frameSteelProperties").text(steel.nome);
    for (int i = 1; i < 7; ++i) {
        row(indexed("lblStl", i + 1), lblStl[i - 1], K::label).in("frameSteelProperties").text(steel_captions[i - 1]);
        row(indexed("stl", i + 1), stl[i], K::label).in("frameSteelProperties").text(steel.fields[i - 1]);
    }
    row("frameConcreteProperties", frameConcreteProperties, K::frame).text("Caratteristiche cls selezionato");
    row("Shape10", Shape10, K::panel).in("frameConcreteProperties").back(design.concrete);
    row("con1", con[0], K::label).in("frameConcreteProperties").text(concrete.nome);
    for (int i = 1; i < 9; ++i) {
        row(indexed("lblCon", i + 1), lblCon[i - 1], K::label).in("frameConcreteProperties")
            .text(concrete_captions[i - 1]);
        row(indexed("con", i + 1), con[i], K::label).in("frameConcreteProperties").text(concrete.fields[i - 1]);
    }
    row("Frame1", Frame1, K::panel).back(design.line);
    const std::vector<std::vector<std::string>> tool_tips = {
        {"", "Nuovo progetto", "Apri progetto", "Salva progetto", "Stampa form", "Guida"},
        {"", "Calcolatrice", "Relazione di calcolo"},
        {"", "Libreria calcestruzzi", "Libreria acciai"}};
    Control* bars[] = {&Toolbar1, &Toolbar2, &Toolbar3};
    for (int bar = 1; bar <= 3; ++bar)
        row(indexed("Toolbar", bar), *bars[bar - 1], K::tool_bar).items(tool_tips[bar - 1])
            .tool([this, bar](int button) { Toolbar_ButtonClick(bar, button); },
                  [this, bar](int button) { return toolbar_button_enabled(bar, button); });
}

const std::function<void()>* Form1::toolbar_action(int bar, int button) const {
    if (bar == 1) {
        const std::function<void()>* buttons[] = {&hooks.nuovo, &hooks.apri, &hooks.salva, &hooks.stampa,
                                                  &hooks.guidanon};
        if (button >= 2 && button <= 6) return buttons[button - 2];
    } else if (bar == 2) {
        if (button == 2) return &hooks.kalk;
        if (button == 3) return &hooks.Relazione;
    } else if (bar == 3) {
        if (button == 2) return &hooks.show_concrete_library;
        if (button == 3) return &hooks.show_steel_library;
    }
    return nullptr;
}

bool Form1::toolbar_button_enabled(int bar, int button) const {
    const std::function<void()>* action = toolbar_action(bar, button);
    return action && *action;
}

}  // namespace norvexa
