// The input form's controls by name, with what a view needs to show each one, and the
// captions that only a view shows.
#include "input/form1.h"

namespace norvexa {
namespace {

std::string indexed(const char* stem, int i) { return stem + std::to_string(i); }

// Group area labels: a1..a3 on the first page, A<group><layer> on the others.
std::string group_area_name(int layer, int group) {
    return layer == 0 ? indexed("a", group + 1) : "A" + std::to_string(group + 1) + std::to_string(layer + 1);
}

ControlInfo in(ControlKind kind, std::string frame = {}, int page = -1) {
    return {kind, std::move(frame), page, {}, 0, 0, {}};
}

}  // namespace

void Form1::build_registry() {
    using K = ControlKind;
    auto add = [this](std::string name, Control& c, ControlInfo info) {
        info_.emplace(name, std::move(info));
        registry_.emplace_back(std::move(name), &c);
    };
    ControlInfo option = in(K::option_button, "frameShape");
    option.group = "shape";
    add("frameShape", frameShape, in(K::frame));
    add("Shape5", Shape5, in(K::panel, "frameShape"));
    add("rett", rett, option), add("t", t, option), add("COOR", COOR, option);
    add("lblShape1", lblShape1, in(K::label, "frameShape")), add("lblShape2", lblShape2, in(K::label, "frameShape"));

    add("frameDimensioni", frameDimensioni, in(K::frame));
    add("frameSizes", frameSizes, in(K::frame, "frameDimensioni"));
    add("Shape6", Shape6, in(K::panel, "frameSizes"));
    add("lblB1", lblB1, in(K::label, "frameSizes")), add("lblH1", lblH1, in(K::label, "frameSizes"));
    add("lblB2", lblB2, in(K::label, "frameSizes")), add("lblH2", lblH2, in(K::label, "frameSizes"));
    add("webSketch", webSketch, in(K::picture, "frameSizes"));
    for (const auto& [name, size] : {std::pair{"tb", &tb}, {"th", &th}, {"tb2", &tb2}, {"th2", &th2}})
        add(name, *size, in(K::editable_list, "frameSizes"));

    add("frameArmature", frameArmature, in(K::frame));
    add("strati", strati, in(K::choice_list, "frameArmature"));
    add("SSTab1", SSTab1, in(K::tab_panel, "frameArmature"));
    for (int k = 0; k < 4; ++k) {
        add(indexed("s", k + 1), s[k], in(K::panel, "SSTab1", 0));
        add(indexed("sq", k + 1), sq[k], in(K::panel, "SSTab1", 0));
        add(indexed("lblAs", k + 1), lblAs[k], in(K::label, "SSTab1", 0));
        add(indexed("lblD", k + 1), lblD[k], in(K::label, "SSTab1", 0));
        add(indexed("ta", k + 1), ta[k], in(K::text_field, "SSTab1", 0));
        add(indexed("td", k + 1), td[k], in(K::editable_list, "SSTab1", 0));
    }
    for (int k = 0; k < 4; ++k) {
        const std::string page_frame = indexed("barFrame", k + 1);
        add(page_frame, barFrame[k], in(K::frame, "SSTab1", k + 1));
        add(indexed("lblCount", k + 1), lblCount[k], in(K::label, page_frame, k + 1));
        add(indexed("lblDiameter", k + 1), lblDiameter[k], in(K::label, page_frame, k + 1));
        add(indexed("lblGroupArea", k + 1), lblGroupArea[k], in(K::label, page_frame, k + 1));
        for (int g = 0; g < 3; ++g) {
            const std::string suffix = std::to_string(k + 1) + "a" + std::to_string(g + 1);
            add("n" + suffix, n[k][g], in(K::editable_list, page_frame, k + 1));
            add("f" + suffix, f[k][g], in(K::editable_list, page_frame, k + 1));
            add(group_area_name(k, g), groupArea[k][g], in(K::label, page_frame, k + 1));
        }
        add(indexed("lblTotal", k + 1), lblTotal[k], in(K::label, page_frame, k + 1));
        add(k == 0 ? "atot" : indexed("ATOT", k + 1), total[k], in(K::label, page_frame, k + 1));
        add(indexed("Command", k + 3), returnButton[k], in(K::command_button, page_frame, k + 1));
    }

    add("frameStaffe", frameStaffe, in(K::frame));
    add("Shape7", Shape7, in(K::panel, "frameStaffe"));
    for (const auto& [name, c] : {std::pair{"lblNbr", &lblNbr}, {"lblDst", &lblDst}, {"lblPasso", &lblPasso}})
        add(name, *c, in(K::label, "frameStaffe"));
    for (const auto& [name, c] : {std::pair{"nbr", &nbr}, {"dst", &dst}, {"passo", &passo}})
        add(name, *c, in(K::editable_list, "frameStaffe"));
    add("lblAst", lblAst, in(K::label, "frameStaffe")), add("ast", ast, in(K::label, "frameStaffe"));
    add("Check5", Check5, in(K::check_box)), add("Check1", Check1, in(K::check_box));

    add("frameSollecitazioni", frameSollecitazioni, in(K::frame));
    add("Shape8", Shape8, in(K::panel, "frameSollecitazioni"));
    add("lblTMS", lblTMS, in(K::label, "frameSollecitazioni")), add("TMS", TMS, in(K::text_field, "frameSollecitazioni"));
    add("lblTVS", lblTVS, in(K::label, "frameSollecitazioni")), add("TVS", TVS, in(K::text_field, "frameSollecitazioni"));

    add("framePrecisione", framePrecisione, in(K::frame));
    add("Shape9", Shape9, in(K::panel, "framePrecisione"));
    ControlInfo strip = in(K::slider, "framePrecisione"), tolerance = strip;
    strip.minimum = tolerance.minimum = 1;
    strip.maximum = 40;
    tolerance.maximum = 20;
    strip.tip = "<=diminuisce H rettangolini cls aumenta==>";
    tolerance.tip = "<=diminuisce Tolleranza aumenta==>";
    add("sl1", sl1, strip);
    add("lblRettang", lblRettang, in(K::label, "framePrecisione")), add("rettang", rettang, in(K::label, "framePrecisione"));
    add("sl2", sl2, tolerance);
    add("lblToller", lblToller, in(K::label, "framePrecisione")), add("toller", toller, in(K::label, "framePrecisione"));
    add("Command1", Command1, in(K::command_button));

    add("frameAcciaio", frameAcciaio, in(K::frame)), add("File1", File1, in(K::file_list, "frameAcciaio"));
    add("frameCls", frameCls, in(K::frame)), add("File2", File2, in(K::file_list, "frameCls"));
    add("frameSteelProperties", frameSteelProperties, in(K::frame));
    add("Shape11", Shape11, in(K::panel, "frameSteelProperties"));
    add("stl1", stl[0], in(K::label, "frameSteelProperties"));
    for (int i = 1; i < 7; ++i) {
        add(indexed("lblStl", i + 1), lblStl[i - 1], in(K::label, "frameSteelProperties"));
        add(indexed("stl", i + 1), stl[i], in(K::label, "frameSteelProperties"));
    }
    add("frameConcreteProperties", frameConcreteProperties, in(K::frame));
    add("Shape10", Shape10, in(K::panel, "frameConcreteProperties"));
    add("con1", con[0], in(K::label, "frameConcreteProperties"));
    for (int i = 1; i < 9; ++i) {
        add(indexed("lblCon", i + 1), lblCon[i - 1], in(K::label, "frameConcreteProperties"));
        add(indexed("con", i + 1), con[i], in(K::label, "frameConcreteProperties"));
    }
    add("Frame1", Frame1, in(K::panel));
    add("Toolbar1", Toolbar1, in(K::tool_bar)), add("Toolbar2", Toolbar2, in(K::tool_bar));
    add("Toolbar3", Toolbar3, in(K::tool_bar));

    info_["Command1"].tip = "Esegui Elabotazione";
    info_["File1"].tip = "Click per selezionare Acciaio";
    info_["File2"].tip = "Click per selezionare Cls";
    for (const auto& [name, control] : registry_) by_name_.emplace(name, control);
}

void Form1::set_captions() {
    frameShape.text = "Sezione";
    lblShape1.text = "Geometria";
    lblShape2.text = "della sezione";
    frameDimensioni.text = "Dimensioni";
    lblB1.text = "B1 (cm)";
    lblH1.text = "H1 (cm)";
    frameArmature.text = "Armature";
    SSTab1.items = {"Strati", "Strato 1", "Strato 2", "Strato 3", "Strato 4"};
    for (int k = 0; k < 4; ++k) {
        lblCount[k].text = "N° barre";
        lblDiameter[k].text = "φ (mm)";
        lblGroupArea[k].text = "Area (cmq)";
        lblTotal[k].text = "As" + std::to_string(k + 1) + "=cmq";
    }
    frameSollecitazioni.text = "Sollecitazioni";
    lblTMS.text = "Msd (KNm)";
    lblTVS.text = "Vsd (KN)";
    framePrecisione.text = "Precisione di calcolo";
    lblRettang.text = "Rettang. cls: (mmx10)";
    lblToller.text = "Tolleranza: (Nmm)";
    frameAcciaio.text = "Acciaio";
    frameCls.text = "Cls";
    frameSteelProperties.text = "Caratteristiche acciaio selezionato";
    frameConcreteProperties.text = "Caratteristiche cls selezionato";
    const char* steel[] = {"fyk.....N/mmq", "γs....... (coeff)", "fyd....N/mmq", "Es.... N/mmq", "εyd............",
                           "εsu............."};
    for (int i = 0; i < 6; ++i) lblStl[i].text = steel[i];
    const char* concrete[] = {"Rck...N/mmq",   "fck.....N/mmq",   "γc..... (coeff)",  "fcd.... N/mmq",
                              "α....... (coeff)", "fcd*... N/mmq", "εcu.............", "τr d.... N/mmq"};
    for (int i = 0; i < 8; ++i) lblCon[i].text = concrete[i];
    Toolbar1.items = {"", "Nuovo progetto", "Apri progetto", "Salva progetto", "Stampa form", "Guida"};
    Toolbar2.items = {"", "Calcolatrice", "Relazione di calcolo"};
    Toolbar3.items = {"", "Libreria calcestruzzi", "Libreria acciai"};
}

const ControlInfo& Form1::info(std::string_view name) const {
    static const ControlInfo unknown;
    const auto found = info_.find(name);
    return found == info_.end() ? unknown : found->second;
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
