#include "materials/library_window.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/line_file.h"
#include "common/program_folder.h"
#include "input/form1.h"
#include "materials/reference_materials.h"
#include "scratch_folder.h"
#include "scripted_program.h"

namespace norvexa {
namespace {

using Texts = std::vector<std::string>;

constexpr MaterialKind kinds[] = {MaterialKind::steel, MaterialKind::concrete};
const char* label(MaterialKind kind) { return kind == MaterialKind::steel ? "steel" : "concrete"; }

const std::string data_warning =
    "Il software non verifica i dati inseriti; Avere cura che ci sia corrispondenza tra valori e coefficienti. "
    "(Per ulteriori informazioni consultare la guida)";
const Message write_failed{"Impossibile salvare/modificare il materiale; Per maggiori informazioni consultare la guida",
                           Icon::critical, Buttons::ok, "Errore"};

// A second material of each kind, beside the reference ones.
Materiale other_material(MaterialKind kind) {
    if (kind == MaterialKind::steel) return {kind, "B450C", {"450", "1,15", "391,3", "200000", "1,96", "10"}};
    return {kind, "C 30-37", {"37", "30", "1,5", "20", "0,85", "17", "3,5", "0,3"}};
}

Texts with_name(const Materiale& material) {
    Texts texts{material.nome};
    texts.insert(texts.end(), material.fields.begin(), material.fields.end());
    return texts;
}

// Both library windows over an input form whose library holds the reference materials
// and one more of each kind.
class LibraryWindowModel : public testing::Test, public ScriptedProgram {
  protected:
    LibraryWindowModel() {
        for (MaterialKind kind : kinds) {
            write_material(reference_material(kind));
            write_material(other_material(kind));
        }
        form.Form_Load();
        for (LibraryWindow* window : {&steel, &concrete}) window->close_window = [this] { ++closed; };
    }

    LibraryWindow& window(MaterialKind kind) { return kind == MaterialKind::steel ? steel : concrete; }
    LibraryWindow& opened(MaterialKind kind) {
        window(kind).show();
        return window(kind);
    }
    static Control& field(LibraryWindow& w, std::size_t i) { return *w.find(w.names().fields[i]); }
    static Control& list(LibraryWindow& w) { return *w.find(w.names().list); }
    static Control& frame(LibraryWindow& w) { return *w.find(w.names().frame); }
    static Texts fields(const LibraryWindow& window) {
        Texts texts;
        for (const std::string& name : window.names().fields) texts.push_back(window.find(name)->text);
        return texts;
    }
    Texts form_labels(MaterialKind kind) const {
        Texts texts;
        if (kind == MaterialKind::steel)
            for (int i = 1; i <= 7; ++i) texts.push_back(form.control("stl" + std::to_string(i)).text);
        else
            for (int i = 1; i <= 9; ++i) texts.push_back(form.control("con" + std::to_string(i)).text);
        return texts;
    }
    const Control& form_list(MaterialKind kind) const { return kind == MaterialKind::steel ? form.control("File1") : form.control("File2"); }
    bool form_frames_shown(MaterialKind kind) const {
        if (kind == MaterialKind::steel) return form.control("frameAcciaio").visible && form.control("frameSteelProperties").visible;
        return form.control("frameCls").visible && form.control("frameConcreteProperties").visible;
    }
    static const char* list_name(MaterialKind kind) { return kind == MaterialKind::steel ? "File2" : "File1"; }
    static const char* carica_name(MaterialKind kind) { return kind == MaterialKind::steel ? "cbc2" : "cbc"; }
    static const char* salva_name(MaterialKind kind) { return kind == MaterialKind::steel ? "cns2" : "cbs"; }
    static std::string field_name(MaterialKind kind, int i) {
        return "ss" + std::to_string(i + (kind == MaterialKind::steel ? 1 : 8));
    }
    void type_all(LibraryWindow& w, const Texts& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i)
            ASSERT_TRUE(w.type(field_name(w.kind(), static_cast<int>(i)), texts[i])) << i;
    }

    ScratchHome home;
    LibraryWindow steel{MaterialKind::steel, form, prompter};
    LibraryWindow concrete{MaterialKind::concrete, form, prompter};
    int closed = 0;
};

TEST_F(LibraryWindowModel, OpensOnTheInputFormsMaterialReadyToLoadAndClosesByAnnulla) {
    for (MaterialKind kind : kinds) {
        SCOPED_TRACE(label(kind));
        prompter.shown.clear();
        closed = 0;
        LibraryWindow& w = opened(kind);
        EXPECT_STREQ(w.name(), kind == MaterialKind::steel ? "selacciaio" : "selcls");
        EXPECT_TRUE(w.is_open() && w.is_active());
        EXPECT_EQ(fields(w), with_name(reference_material(kind)));
        EXPECT_EQ(list(w).text, reference_material(kind).nome);
        EXPECT_EQ(list(w).items, list_materials(kind));
        EXPECT_TRUE(w.usable(carica_name(kind)));
        EXPECT_FALSE(w.usable(salva_name(kind)));
        EXPECT_TRUE(w.usable(list_name(kind)));
        EXPECT_FALSE(w.usable(field_name(kind, 0)));
        EXPECT_EQ(frame(w).text, "");
        const Colour browse = (kind == MaterialKind::steel ? form.control("Shape11") : form.control("Shape10")).back;
        EXPECT_EQ(w.find(kind == MaterialKind::steel ? "Shape1" : "Shape10")->back, browse);
        for (const std::string& name : w.names().fields) EXPECT_EQ(w.find(name)->back, browse);
        EXPECT_FALSE(form_frames_shown(kind));
        EXPECT_TRUE(form_frames_shown(kind == MaterialKind::steel ? MaterialKind::concrete : MaterialKind::steel));

        ASSERT_TRUE(w.click("Command1"));
        EXPECT_FALSE(w.is_open());
        EXPECT_EQ(closed, 1);
        EXPECT_TRUE(form_frames_shown(kind));
        EXPECT_EQ(form_labels(kind), with_name(reference_material(kind)));
        EXPECT_TRUE(prompter.shown.empty());
    }
}

TEST_F(LibraryWindowModel, BrowseColoursFollowTheInputFormsPanels) {
    form.control("Shape11").back = rgb(1, 2, 3);
    form.control("Shape10").back = rgb(4, 5, 6);
    EXPECT_EQ(field(opened(MaterialKind::steel), 3).back, rgb(1, 2, 3));
    EXPECT_EQ(field(opened(MaterialKind::concrete), 3).back, rgb(4, 5, 6));
}

TEST_F(LibraryWindowModel, NewMaterialStartsFromTheDefaultsAndEditKeepsTheShownOne) {
    const Texts defaults[] = {{"", "", "1,15", "", "200000", "", "10"}, {"", "", "", "1,6", "", "0,85", "", "3,5", ""}};
    for (MaterialKind kind : kinds) {
        SCOPED_TRACE(label(kind));
        const bool is_steel = kind == MaterialKind::steel;
        prompter.shown.clear();
        LibraryWindow& w = opened(kind);
        w.Toolbar2_ButtonClick(2);
        EXPECT_EQ(w.mode(), LibraryWindow::Mode::create);
        EXPECT_EQ(fields(w), defaults[is_steel ? 0 : 1]);
        EXPECT_EQ(frame(w).text, is_steel ? "Nuovo acciaio" : "Nuovo calcestruzzo");
        EXPECT_TRUE(w.usable(field_name(kind, 0)));
        EXPECT_TRUE(w.usable(salva_name(kind)));
        EXPECT_FALSE(w.usable(carica_name(kind)));
        EXPECT_FALSE(w.usable(list_name(kind)));
        EXPECT_EQ(w.pressed_button(), 2);
        // fyk / fck light red, the rest white.
        const std::size_t red = is_steel ? 1 : 2;
        for (std::size_t i = 0; i < w.names().fields.size(); ++i)
            EXPECT_EQ(field(w, i).back, i == red ? rgb(255, 192, 192) : colours::white) << i;
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0], (Message{data_warning, Icon::information, Buttons::ok, "Attenzione"}));
        w.Form_Deactivate();

        opened(kind).Toolbar2_ButtonClick(3);
        EXPECT_EQ(w.mode(), LibraryWindow::Mode::edit);
        EXPECT_EQ(frame(w).text, is_steel ? "Modifica acciaio" : "Modifica calcestruzzo");
        EXPECT_EQ(fields(w), with_name(reference_material(kind)));
        EXPECT_EQ(w.pressed_button(), 3);
        EXPECT_EQ(prompter.shown.size(), 2u);
        EXPECT_EQ(prompter.shown.back().text, data_warning);
        w.Form_Deactivate();
    }
}

TEST_F(LibraryWindowModel, SaveWithoutANameStaysInCreateModeAndWritesNothing) {
    for (MaterialKind kind : kinds) {
        SCOPED_TRACE(label(kind));
        LibraryWindow& w = opened(kind);
        const auto before = list_materials(kind);
        w.Toolbar2_ButtonClick(2);
        ASSERT_TRUE(w.type(field_name(kind, 1), "500"));
        prompter.shown.clear();
        ASSERT_TRUE(w.click(salva_name(kind)));
        EXPECT_EQ(w.mode(), LibraryWindow::Mode::create);
        EXPECT_TRUE(w.usable(salva_name(kind)));
        EXPECT_EQ(field(w, 1).text, "500");
        EXPECT_EQ(list_materials(kind), before);
        EXPECT_TRUE(prompter.shown.empty());
        w.Form_Deactivate();
    }
}

TEST_F(LibraryWindowModel, SavedMaterialsReachTheFolderAndBothInputLists) {
    const Texts typed[] = {{"Fe B 38 k", "375", "1,15", "326", "206000", "1.58", "10"},
                           {"C 20-25", "25", "20", "1,6", "12,5", "0,85", "10,63", "3,5", ""}};
    for (MaterialKind kind : kinds) {
        SCOPED_TRACE(label(kind));
        const Texts& texts = typed[kind == MaterialKind::steel ? 0 : 1];
        LibraryWindow& w = opened(kind);
        w.Toolbar2_ButtonClick(2);
        type_all(w, texts);
        ASSERT_TRUE(w.click(salva_name(kind)));
        EXPECT_EQ(w.mode(), LibraryWindow::Mode::browse);
        // Stored exactly as typed: the point and the empty field too.
        EXPECT_EQ(read_lines(material_folder(kind) / texts[0]), Texts(texts.begin() + 1, texts.end()));
        EXPECT_EQ(list(w).items, list_materials(kind));
        EXPECT_EQ(list(w).text, texts[0]);
        EXPECT_EQ(form_list(kind).items, list_materials(kind));
        EXPECT_TRUE(w.usable(carica_name(kind)));
        EXPECT_TRUE(w.usable(list_name(kind)));
        EXPECT_FALSE(w.usable(salva_name(kind)));
        EXPECT_FALSE(w.usable(field_name(kind, 0)));
        EXPECT_EQ(frame(w).text, "");
        EXPECT_EQ(w.pressed_button(), 0);
        EXPECT_EQ(field(w, 1).back, (kind == MaterialKind::steel ? form.control("Shape11") : form.control("Shape10")).back);
        w.Form_Deactivate();
    }
}

TEST_F(LibraryWindowModel, EditingUnderANewNameWritesANewFileAndKeepsTheOld) {
    for (MaterialKind kind : kinds) {
        SCOPED_TRACE(label(kind));
        LibraryWindow& w = opened(kind);
        const Materiale old = other_material(kind);
        ASSERT_TRUE(w.choose(list_name(kind), old.nome));
        w.Toolbar2_ButtonClick(3);
        ASSERT_TRUE(w.type(field_name(kind, 0), old.nome + " bis"));
        ASSERT_TRUE(w.type(field_name(kind, 3), "7"));
        ASSERT_TRUE(w.click(salva_name(kind)));
        EXPECT_EQ(read_material(kind, old.nome).material, old);
        Materiale renamed = old;
        renamed.nome += " bis";
        renamed.fields[2] = "7";
        EXPECT_EQ(read_material(kind, renamed.nome).material, renamed);

        // Saving under an existing name replaces that file without a question.
        prompter.shown.clear();
        w.Toolbar2_ButtonClick(3);
        ASSERT_TRUE(w.type(field_name(kind, 0), old.nome));
        ASSERT_TRUE(w.click(salva_name(kind)));
        renamed.nome = old.nome;
        EXPECT_EQ(read_material(kind, old.nome).material, renamed);
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, data_warning);
        w.Form_Deactivate();
    }
}

TEST_F(LibraryWindowModel, CaricaAndADoubleClickHandTheWholeMaterialToTheInputForm) {
    for (MaterialKind kind : kinds) {
        SCOPED_TRACE(label(kind));
        const Materiale other = other_material(kind);
        closed = 0;
        form.salvaconnome = false;
        LibraryWindow& w = opened(kind);
        ASSERT_TRUE(w.choose(list_name(kind), other.nome));
        EXPECT_EQ(fields(w), with_name(other));
        ASSERT_TRUE(w.click(carica_name(kind)));
        EXPECT_EQ(form_labels(kind), with_name(other));
        EXPECT_TRUE(form.salvaconnome);
        EXPECT_FALSE(w.is_open());
        EXPECT_EQ(closed, 1);
        EXPECT_TRUE(form_frames_shown(kind));

        // The window now opens on the material just loaded; a double click loads another.
        opened(kind);
        EXPECT_EQ(fields(w), with_name(other));
        ASSERT_TRUE(w.choose(list_name(kind), reference_material(kind).nome));
        ASSERT_TRUE(w.double_click(list_name(kind)));
        EXPECT_EQ(form_labels(kind), with_name(reference_material(kind)));
        EXPECT_FALSE(w.is_open());
        EXPECT_EQ(closed, 2);
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(LibraryWindowModel, DeleteAsksAndRemovesOnlyOnYes) {
    for (MaterialKind kind : kinds) {
        SCOPED_TRACE(label(kind));
        const Materiale other = other_material(kind);
        LibraryWindow& w = opened(kind);
        ASSERT_TRUE(w.choose(list_name(kind), other.nome));
        prompter.shown.clear();
        prompter.answer_next(Answer::no);
        w.Toolbar2_ButtonClick(5);
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0],
                  (Message{"Eliminare il materiale " + other.nome + "?", Icon::none, Buttons::yes_no, "Attenzione"}));
        EXPECT_EQ(read_material(kind, other.nome).material, other);
        EXPECT_EQ(fields(w), with_name(other));
        EXPECT_TRUE(w.usable(carica_name(kind)));

        prompter.answer_next(Answer::yes);
        w.Toolbar2_ButtonClick(5);
        EXPECT_EQ(prompter.shown.size(), 2u);
        EXPECT_EQ(read_material(kind, other.nome).error, MaterialError::missing);
        EXPECT_EQ(fields(w), Texts(w.names().fields.size()));
        EXPECT_EQ(list(w).items, list_materials(kind));
        EXPECT_EQ(form_list(kind).items, list_materials(kind));
        EXPECT_FALSE(w.usable(carica_name(kind)));

        // With the fields empty there is nothing to edit or delete.
        w.Toolbar2_ButtonClick(5);
        w.Toolbar2_ButtonClick(3);
        ASSERT_EQ(prompter.shown.size(), 4u);
        EXPECT_EQ(prompter.shown[2],
                  (Message{"Selezionare materiale da cancellare", Icon::information, Buttons::ok, "Attenzione"}));
        EXPECT_EQ(prompter.shown[3],
                  (Message{"Selezionare materiale da modificare", Icon::information, Buttons::ok, "Attenzione"}));
        EXPECT_EQ(w.mode(), LibraryWindow::Mode::browse);
        w.Form_Deactivate();
    }
}

TEST_F(LibraryWindowModel, DeleteDoesNothingWhileCreating) {
    for (MaterialKind kind : kinds) {
        SCOPED_TRACE(label(kind));
        LibraryWindow& w = opened(kind);
        w.Toolbar2_ButtonClick(2);
        ASSERT_TRUE(w.type(field_name(kind, 0), reference_material(kind).nome));
        prompter.shown.clear();
        EXPECT_FALSE(w.toolbar_button_enabled(5));
        w.Toolbar2_ButtonClick(5);
        EXPECT_TRUE(prompter.shown.empty());
        EXPECT_EQ(read_material(kind, reference_material(kind).nome).error, MaterialError::none);
        EXPECT_EQ(field(w, 0).text, reference_material(kind).nome);
        EXPECT_EQ(w.mode(), LibraryWindow::Mode::create);
        w.Form_Deactivate();
    }
}

TEST_F(LibraryWindowModel, DeletingTheInputFormsMaterialLeavesItsLabels) {
    for (MaterialKind kind : kinds) {
        SCOPED_TRACE(label(kind));
        LibraryWindow& w = opened(kind);
        prompter.answer_next(Answer::yes);
        w.Toolbar2_ButtonClick(5);
        EXPECT_EQ(read_material(kind, reference_material(kind).nome).error, MaterialError::missing);
        w.Form_Deactivate();
        EXPECT_EQ(form_labels(kind), with_name(reference_material(kind)));
        EXPECT_TRUE(form_frames_shown(kind));
    }
}

TEST_F(LibraryWindowModel, FailedSaveAndDeleteReportAndReturnToBrowsing) {
    for (MaterialKind kind : kinds) {
        SCOPED_TRACE(label(kind));
        LibraryWindow& w = opened(kind);
        // Names that would put the file outside the library folder.
        for (const char* name : {"..", "../fuori", "a/b", "a\\b"}) {
            SCOPED_TRACE(name);
            prompter.shown.clear();
            w.Toolbar2_ButtonClick(2);
            ASSERT_TRUE(w.type(field_name(kind, 0), name));
            ASSERT_TRUE(w.type(field_name(kind, 1), "1"));
            ASSERT_TRUE(w.click(salva_name(kind)));
            ASSERT_EQ(prompter.shown.size(), 2u);
            EXPECT_EQ(prompter.shown[1], write_failed);
            EXPECT_EQ(w.mode(), LibraryWindow::Mode::browse);
            EXPECT_FALSE(w.usable(salva_name(kind)));
            EXPECT_TRUE(w.usable(list_name(kind)));
            EXPECT_EQ(field(w, 0).text, name);
            EXPECT_EQ(field(w, 1).text, "1");
            // What was never written cannot reach the input form.
            EXPECT_FALSE(w.usable(carica_name(kind)));
            w.double_click(list_name(kind));
            EXPECT_TRUE(w.is_open());
            EXPECT_EQ(form_labels(kind), with_name(reference_material(kind)));
        }
        EXPECT_FALSE(std::filesystem::exists(materials_folder() / "fuori"));
        EXPECT_FALSE(std::filesystem::exists(material_folder(kind) / "a"));

        // A file gone before the delete.
        ASSERT_TRUE(w.choose(list_name(kind), other_material(kind).nome));
        std::filesystem::remove(material_folder(kind) / other_material(kind).nome);
        prompter.shown.clear();
        prompter.answer_next(Answer::yes);
        w.Toolbar2_ButtonClick(5);
        ASSERT_EQ(prompter.shown.size(), 2u);
        EXPECT_EQ(prompter.shown[1], write_failed);
        EXPECT_EQ(fields(w), Texts(w.names().fields.size()));
        EXPECT_EQ(list(w).items, list_materials(kind));
        EXPECT_EQ(form_list(kind).items, list_materials(kind));
        EXPECT_EQ(w.mode(), LibraryWindow::Mode::browse);
        w.Form_Deactivate();
    }
}

TEST_F(LibraryWindowModel, DeactivationClosesAndDropsTheEdits) {
    for (MaterialKind kind : kinds) {
        SCOPED_TRACE(label(kind));
        closed = 0;
        LibraryWindow& w = opened(kind);
        w.Toolbar2_ButtonClick(2);
        Texts typed = with_name(other_material(kind));
        typed[0] = "Nuovo";
        type_all(w, typed);
        // A message box coming and going activates the window again: nothing is re-read.
        w.Form_Activate();
        EXPECT_EQ(field(w, 0).text, "Nuovo");
        EXPECT_EQ(w.mode(), LibraryWindow::Mode::create);

        w.Form_Deactivate();
        EXPECT_FALSE(w.is_open());
        EXPECT_EQ(closed, 1);
        EXPECT_TRUE(form_frames_shown(kind));
        EXPECT_EQ(read_material(kind, "Nuovo").error, MaterialError::missing);
        // Closed, it takes no more events.
        w.Toolbar2_ButtonClick(2);
        EXPECT_EQ(w.mode(), LibraryWindow::Mode::browse);
        w.Form_Deactivate();
        w.Form_Unload();
        EXPECT_EQ(closed, 1);

        opened(kind);
        EXPECT_EQ(w.mode(), LibraryWindow::Mode::browse);
        EXPECT_EQ(fields(w), with_name(reference_material(kind)));
        EXPECT_FALSE(w.usable(salva_name(kind)));
        EXPECT_EQ(frame(w).text, "");
        EXPECT_EQ(w.pressed_button(), 0);
        w.Form_Unload();
        EXPECT_EQ(closed, 1);
        EXPECT_TRUE(form_frames_shown(kind));
    }
}

TEST_F(LibraryWindowModel, UnreadableMaterialsAreReportedAndNotOffered) {
    // A steel file in the concrete folder is two lines short of a concrete.
    std::filesystem::copy_file(material_folder(MaterialKind::steel) / "B450C",
                               material_folder(MaterialKind::concrete) / "B450C");
    ASSERT_TRUE(write_lines(material_folder(MaterialKind::steel) / "corto", {"1", "2", "3", "4", "5"}));
    const char* short_files[] = {"corto", "B450C"};
    for (MaterialKind kind : kinds) {
        SCOPED_TRACE(label(kind));
        const std::string lines = kind == MaterialKind::steel ? "6" : "8";
        Control* labels = &form.control(kind == MaterialKind::steel ? "stl1" : "con1");
        labels[0].text = "Perso";
        prompter.shown.clear();
        LibraryWindow& w = opened(kind);
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0],
                  (Message{"Impossibile leggere il materiale Perso: il file manca o ha meno di " + lines + " righe",
                           Icon::critical, Buttons::ok, "Errore"}));
        EXPECT_EQ(fields(w), Texts(w.names().fields.size()));
        EXPECT_FALSE(w.usable(carica_name(kind)));
        EXPECT_EQ(list(w).items, list_materials(kind));

        ASSERT_TRUE(w.choose(list_name(kind), other_material(kind).nome));
        EXPECT_TRUE(w.usable(carica_name(kind)));
        const std::string short_file = short_files[kind == MaterialKind::steel ? 0 : 1];
        ASSERT_TRUE(w.choose(list_name(kind), short_file));
        ASSERT_EQ(prompter.shown.size(), 2u);
        EXPECT_EQ(prompter.shown[1].text, "Impossibile leggere il materiale " + short_file +
                                              ": il file manca o ha meno di " + lines + " righe");
        EXPECT_EQ(fields(w), with_name(other_material(kind)));
        EXPECT_FALSE(w.usable(carica_name(kind)));
        EXPECT_TRUE(w.double_click(list_name(kind)));
        EXPECT_TRUE(w.is_open());
        EXPECT_EQ(labels[0].text, "Perso");
        // Only listed files are read.
        EXPECT_FALSE(w.choose(list_name(kind), "non in lista"));
        EXPECT_EQ(prompter.shown.size(), 2u);
        w.Form_Deactivate();
        labels[0].text = reference_material(kind).nome;
    }
}

TEST_F(LibraryWindowModel, NamesAProjectCannotStoreAreRefusedWhereMadeAndWherePicked) {
    for (MaterialKind kind : kinds) {
        SCOPED_TRACE(label(kind));
        const std::string greek = kind == MaterialKind::steel ? "B450C γs" : "C 30-37 Ω";
        const Message refusal{"Il nome del materiale " + greek + " contiene il carattere " +
                                  (kind == MaterialKind::steel ? "«γ» (U+03B3)" : "«Ω» (U+03A9)") +
                                  ", che un file di progetto non può contenere.",
                              Icon::warning, Buttons::ok, "Attenzione"};
        LibraryWindow& w = opened(kind);
        const auto before = list_materials(kind);
        w.Toolbar2_ButtonClick(2);
        Texts typed = with_name(other_material(kind));
        typed[0] = greek;
        type_all(w, typed);
        prompter.shown.clear();
        ASSERT_TRUE(w.click(salva_name(kind)));
        EXPECT_EQ(prompter.shown, std::vector<Message>{refusal});
        EXPECT_EQ(w.mode(), LibraryWindow::Mode::create);
        EXPECT_EQ(fields(w), typed);
        EXPECT_EQ(list_materials(kind), before);
        w.Form_Deactivate();

        // Such a file put there by other means is shown, but neither window hands it on.
        std::filesystem::copy_file(material_folder(kind) / other_material(kind).nome, material_folder(kind) / greek);
        const Texts labels_before = form_labels(kind);
        opened(kind);
        ASSERT_TRUE(w.choose(list_name(kind), greek));
        EXPECT_EQ(fields(w), typed);
        prompter.shown.clear();
        ASSERT_TRUE(w.double_click(list_name(kind)));
        EXPECT_EQ(prompter.shown, std::vector<Message>{refusal});
        EXPECT_TRUE(w.is_open());
        w.Form_Deactivate();
        ASSERT_TRUE(form.choose(kind == MaterialKind::steel ? "File1" : "File2", greek));
        EXPECT_EQ(prompter.shown, (std::vector<Message>{refusal, refusal}));
        EXPECT_EQ(form_labels(kind), labels_before);
    }
}

TEST_F(LibraryWindowModel, AddsTheMissingReferenceMaterialsAndKeepsTheFilesThere) {
    const auto told = [](const std::string& text) {
        return std::vector<Message>{{text, Icon::information, Buttons::ok, "Materiali di riferimento"}};
    };
    // The library holds B450C already, with other values than the reference one.
    LibraryWindow& w = opened(MaterialKind::steel);
    w.Toolbar2_ButtonClick(6);
    EXPECT_EQ(prompter.shown, told("Aggiunti 10 materiali di riferimento alla libreria."));
    for (const Materiale& reference : reference_materials())
        EXPECT_EQ(read_material(reference.kind, reference.nome).material,
                  reference.nome == "B450C" ? other_material(MaterialKind::steel) : reference);
    EXPECT_EQ(list(w).items, (Texts{"B450A", "B450C", "Feb 44 K"}));
    EXPECT_EQ(form_list(MaterialKind::steel).items, list(w).items);
    EXPECT_EQ(form_list(MaterialKind::concrete).items, list_materials(MaterialKind::concrete));
    w.Form_Deactivate();

    LibraryWindow& other = opened(MaterialKind::concrete);
    std::filesystem::remove(concrete_folder() / "C50-60 NTC");
    for (const char* text : {"Aggiunto 1 materiale di riferimento alla libreria.",
                             "I materiali di riferimento sono già tutti nella libreria."}) {
        prompter.shown.clear();
        other.Toolbar2_ButtonClick(6);
        EXPECT_EQ(prompter.shown, told(text));
    }
    // Nothing while a material is being made.
    other.Toolbar2_ButtonClick(2);
    EXPECT_FALSE(other.toolbar_button_enabled(6));
    prompter.shown.clear();
    std::filesystem::remove(concrete_folder() / "C50-60 NTC");
    other.Toolbar2_ButtonClick(6);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(read_material(MaterialKind::concrete, "C50-60 NTC").error, MaterialError::missing);
    other.Form_Deactivate();

    // No steel folder can be made where a file lies.
    std::filesystem::remove_all(steel_folder());
    ASSERT_TRUE(write_lines(steel_folder(), {"x"}));
    opened(MaterialKind::concrete).Toolbar2_ButtonClick(6);
    EXPECT_EQ(prompter.shown, std::vector<Message>{write_failed});
    EXPECT_EQ(read_material(MaterialKind::concrete, "C50-60 NTC").error, MaterialError::none);
}

TEST_F(LibraryWindowModel, RegistryNamesEveryControlOnce) {
    for (MaterialKind kind : kinds) {
        SCOPED_TRACE(label(kind));
        LibraryWindow& w = window(kind);
        const bool is_steel = kind == MaterialKind::steel;
        for (const char* name : {is_steel ? "File2" : "File1", is_steel ? "TAB2" : "TAB1",
                                 is_steel ? "Frame17" : "Frame16", is_steel ? "cbc2" : "cbc", is_steel ? "cns2" : "cbs",
                                 "Command1", "Toolbar2", is_steel ? "ss7" : "ss16", is_steel ? "ss1" : "ss8"})
            EXPECT_NE(w.find(name), nullptr) << name;
        EXPECT_EQ(w.find(is_steel ? "ss8" : "ss7"), nullptr);
        std::set<const Control*> distinct;
        for (const ControlRow& row : w.rows()) EXPECT_TRUE(distinct.insert(row.control).second) << row.name;
        EXPECT_EQ(w.info(is_steel ? "ss2" : "ss10").frame, is_steel ? "Frame17" : "Frame16");
        EXPECT_EQ(w.info(is_steel ? "cbc2" : "cbc").tip, "Carica materiale selezionato");
    }
}

}  // namespace
}  // namespace norvexa
