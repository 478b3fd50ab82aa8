#include "materials/ui/library_window_view.h"

#include <filesystem>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include "common/line_file.h"
#include "common/program_folder.h"
#include "common/ui/message_box.h"
#include "common/ui/window_test_support.h"
#include "input/ui/form1_window.h"
#include "scratch_folder.h"
#include "scripted_program.h"
#include "shell/program.h"

namespace norvexa {
namespace {

using Texts = std::vector<std::string>;

const std::string data_warning =
    "Il software non verifica i dati inseriti; Avere cura che ci sia corrispondenza tra valori e coefficienti. "
    "(Per ulteriori informazioni consultare la guida)";

// Shows every message in a real message box.
class BoxPrompter : public Prompter {
  public:
    Answer ask(const Message& message) override { return boxes_.ask(message); }
    void set_parent(QWidget* parent) { boxes_.set_parent(parent); }

  private:
    MessageBoxPrompter boxes_;
};

// The input form and both library windows as children of one MDI area, wired as the
// main window wires them, over a library holding the reference materials.
class LibraryWindowDesktop : public testing::Test {
  protected:
    LibraryWindowDesktop() {
        write_material(reference_material(MaterialKind::concrete));
        write_material(reference_material(MaterialKind::steel));
    }

    void SetUp() override {
        prompter.set_parent(&area);
        ASSERT_EQ(form.Form_Load(), Form1::Load::loaded);
        const auto after = [this] {
            form_window->refresh();
            steel_view->refresh();
            concrete_view->refresh();
        };
        form_window = new Form1Window(form, after);
        steel_view = new LibraryWindowView(steel, after);
        concrete_view = new LibraryWindowView(concrete, after);
        form_child = area.addSubWindow(form_window);
        steel_child = add_to_area(area, *steel_view);
        add_to_area(area, *concrete_view)->hide();
        steel_child->hide();
        desktop.closing = [this](ChildWindow window) {
            (window == ChildWindow::steel_library ? steel_view : concrete_view)->close_window();
        };
        form.hooks.show_steel_library = [this] { steel_view->open(); };
        form.hooks.show_concrete_library = [this] { concrete_view->open(); };
        area.resize(1400, 900);
        area.show();
        area.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
        area.setActiveSubWindow(form_child);
        after();
    }

    template <typename Widget = QWidget>
    Widget* get(QWidget* window, const char* name) {
        auto* widget = window->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    std::string label_text(const char* name) { return get<QLabel>(form_window, name)->text().toStdString(); }
    static Texts items_of(const QListWidget* list) {
        Texts items;
        for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text().toStdString());
        return items;
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }
    void click_item(QListWidget* list, const char* item, bool twice = false) {
        const auto found = list->findItems(item, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << item;
        list->scrollToItem(found.front());
        const QPoint place = list->visualItemRect(found.front()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place);
        if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place);
    }
    QToolButton* tool_button(LibraryWindowView* view, const char* tip) {
        auto* bar = get<QToolBar>(view, "Toolbar2");
        for (QAction* action : bar->actions())
            if (action->toolTip() == tip) return qobject_cast<QToolButton*>(bar->widgetForAction(action));
        ADD_FAILURE() << tip;
        return nullptr;
    }
    // Replaces a field's text by typing, as a user does.
    void fill(LibraryWindowView* view, const std::string& name, const std::string& text) {
        auto* field = get<QLineEdit>(view, name.c_str());
        click(field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, QString::fromStdString(text));
    }

    ScratchHome home;
    BoxPrompter prompter;
    ModalAnswerer boxes;
    ScriptedFileChooser files;
    FixedTextMeasure measure;
    // Closing a library closes its view, as the main window does.
    struct ViewDesktop : HeadlessDesktop {
        using HeadlessDesktop::HeadlessDesktop;
        void close_window(ChildWindow window) override { closing(window); }
        std::function<void(ChildWindow)> closing;
    } desktop{prompter, files, measure};
    Program program{desktop};
    Form1& form = program.form;
    LibraryWindow& steel = program.steel_library;
    LibraryWindow& concrete = program.concrete_library;
    QMdiArea area;  // owns the windows below
    Form1Window* form_window = nullptr;
    LibraryWindowView* steel_view = nullptr;
    LibraryWindowView* concrete_view = nullptr;
    QMdiSubWindow* steel_child = nullptr;
    QMdiSubWindow* form_child = nullptr;
};

TEST_F(LibraryWindowDesktop, ANewSteelSavedAndLoadedIsTheOneTheNextCalculationUses) {
    enter_worked_example(form);  // its moment uses fyd, Es and the strains of the steel
    program.calculate();
    ASSERT_EQ(program.analysis.input.NOMEACC, "Feb 44 K");
    const std::string reference_moment = program.analysis.results.lm.text;
    ASSERT_FALSE(reference_moment.empty());

    // A double click on the input form's steel list opens the library on its steel.
    click_item(get<QListWidget>(form_window, "File1"), "Feb 44 K", true);
    ASSERT_TRUE(steel.is_open());
    EXPECT_EQ(area.activeSubWindow(), steel_child);
    EXPECT_EQ(steel_view->windowTitle(), "Materiali:");
    EXPECT_FALSE(get(form_window, "frameSteelProperties")->isVisible());
    EXPECT_EQ(get<QLineEdit>(steel_view, "ss2")->text(), "430");
    EXPECT_TRUE(get(steel_view, "cbc2")->isEnabled());
    EXPECT_FALSE(get(steel_view, "cns2")->isVisible());

    click(tool_button(steel_view, "Nuovo materiale"));
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, data_warning);
    EXPECT_EQ(boxes.seen[0].title, "Attenzione");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Information);
    EXPECT_TRUE(steel.is_open()) << "the message box must not close the window";
    EXPECT_TRUE(tool_button(steel_view, "Nuovo materiale")->isChecked());
    EXPECT_FALSE(tool_button(steel_view, "Modifica materiale")->isChecked());
    EXPECT_EQ(get<QLineEdit>(steel_view, "ss3")->text(), "1,15");
    EXPECT_EQ(get<QLineEdit>(steel_view, "ss2")->text(), "");
    EXPECT_EQ(get<QGroupBox>(steel_view, "Frame17")->title(), "Nuovo acciaio");
    EXPECT_FALSE(get(steel_view, "File2")->isEnabled());
    EXPECT_FALSE(get(steel_view, "cbc2")->isEnabled());
    EXPECT_FALSE(tool_button(steel_view, "Aggiungi materiali di riferimento")->isEnabled());

    const Texts typed{"B450C", "450", "1,15", "391,3", "200000", "1,96", "10"};
    for (std::size_t i = 0; i < typed.size(); ++i) fill(steel_view, "ss" + std::to_string(i + 1), typed[i]);
    click(get(steel_view, "cns2"));
    EXPECT_EQ(read_material(MaterialKind::steel, "B450C").material.fields, Texts(typed.begin() + 1, typed.end()));
    EXPECT_EQ(items_of(get<QListWidget>(steel_view, "File2")), (Texts{"B450C", "Feb 44 K"}));
    EXPECT_EQ(items_of(get<QListWidget>(form_window, "File1")), (Texts{"B450C", "Feb 44 K"}));
    EXPECT_FALSE(get(steel_view, "cns2")->isVisible());
    EXPECT_FALSE(tool_button(steel_view, "Nuovo materiale")->isChecked());

    click(get(steel_view, "cbc2"));
    EXPECT_FALSE(steel.is_open());
    EXPECT_FALSE(steel_child->isVisible());
    EXPECT_TRUE(get(form_window, "frameSteelProperties")->isVisible());
    EXPECT_EQ(label_text("stl1"), "B450C");
    EXPECT_EQ(label_text("stl4"), "391,3");
    EXPECT_EQ(label_text("stl6"), "1,96");
    EXPECT_EQ(boxes.seen.size(), 1u);

    click(get(form_window, "Command1"));
    EXPECT_EQ(program.analysis.input.NOMEACC, "B450C");
    EXPECT_FLOAT_EQ(program.analysis.input.fsd, 391.3f);
    EXPECT_NE(program.analysis.results.lm.text, reference_moment);
}

TEST_F(LibraryWindowDesktop, ANewConcreteSavedAndLoadedIsTheOneTheNextCalculationUses) {
    enter_worked_example(form);  // its moment uses fcd*, its shear fck, fcd and τRd
    concrete_view->open();
    ASSERT_TRUE(concrete.is_open());
    EXPECT_EQ(concrete_view->objectName(), "selcls");
    EXPECT_EQ(get<QTabWidget>(concrete_view, "TAB1")->tabText(0), "Calcestruzzo");
    EXPECT_EQ(get<QLineEdit>(concrete_view, "ss8")->text(), "C 25-30");
    EXPECT_FALSE(get(form_window, "frameConcreteProperties")->isVisible());

    click(tool_button(concrete_view, "Nuovo materiale"));
    ASSERT_EQ(boxes.seen.size(), 1u);
    const Texts typed{"C 30-37", "37", "30", "1,5", "20", "0,85", "17", "3,5", "0,34"};
    for (std::size_t i = 0; i < typed.size(); ++i) fill(concrete_view, "ss" + std::to_string(i + 8), typed[i]);
    click(get(concrete_view, "cbs"));
    EXPECT_EQ(items_of(get<QListWidget>(form_window, "File2")), (Texts{"C 25-30", "C 30-37"}));
    // Loaded by a double click on the list.
    click_item(get<QListWidget>(concrete_view, "File1"), "C 30-37", true);
    EXPECT_FALSE(concrete.is_open());
    for (int i = 0; i < 9; ++i) EXPECT_EQ(label_text(("con" + std::to_string(i + 1)).c_str()), typed[i]) << i;

    program.calculate();
    EXPECT_EQ(program.analysis.input.NOMECLS, "C 30-37");
    EXPECT_FLOAT_EQ(program.analysis.input.fcd, 17.0f);
    EXPECT_EQ(boxes.seen.size(), 1u);
}

TEST_F(LibraryWindowDesktop, AnotherWindowBecomingActiveClosesTheLibraryAndDropsTheEdits) {
    steel_view->open();
    click(tool_button(steel_view, "Modifica materiale"));
    ASSERT_EQ(steel.mode(), LibraryWindow::Mode::edit);
    EXPECT_TRUE(tool_button(steel_view, "Modifica materiale")->isChecked());
    fill(steel_view, "ss2", "999");

    // Opening the concrete library is another window becoming active.
    concrete_view->open();
    EXPECT_FALSE(steel.is_open());
    EXPECT_FALSE(steel_child->isVisible());
    EXPECT_TRUE(concrete.is_open());
    EXPECT_EQ(read_material(MaterialKind::steel, "Feb 44 K").material, reference_material(MaterialKind::steel));

    area.setActiveSubWindow(form_child);
    EXPECT_FALSE(concrete.is_open());
    EXPECT_TRUE(get(form_window, "frameSteelProperties")->isVisible());
    EXPECT_TRUE(get(form_window, "frameConcreteProperties")->isVisible());

    steel_view->open();
    EXPECT_EQ(steel.mode(), LibraryWindow::Mode::browse);
    EXPECT_EQ(get<QLineEdit>(steel_view, "ss2")->text(), "430");
    EXPECT_FALSE(tool_button(steel_view, "Modifica materiale")->isChecked());
    // The close box closes it like "Annulla".
    steel_child->close();
    EXPECT_FALSE(steel.is_open());
    EXPECT_TRUE(get(form_window, "frameSteelProperties")->isVisible());
}

TEST_F(LibraryWindowDesktop, DeleteAsksWithRealButtonsAndAnUnreadableFileIsReported) {
    ASSERT_TRUE(write_lines(material_folder(MaterialKind::steel) / "corto", {"1", "2"}));
    steel_view->open();
    auto* list = get<QListWidget>(steel_view, "File2");
    click_item(list, "corto");
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "Impossibile leggere il materiale corto: il file manca o ha meno di 6 righe");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Critical);
    EXPECT_FALSE(get(steel_view, "cbc2")->isEnabled());
    EXPECT_EQ(get<QLineEdit>(steel_view, "ss1")->text(), "Feb 44 K");
    EXPECT_TRUE(steel.is_open());

    click_item(list, "Feb 44 K");
    boxes.click_next(QMessageBox::No);
    click(tool_button(steel_view, "Elimina materiale"));
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.seen[1].text, "Eliminare il materiale Feb 44 K?");
    EXPECT_EQ(boxes.seen[1].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(std::filesystem::exists(steel_folder() / "Feb 44 K"));
    boxes.click_next(QMessageBox::Yes);
    click(tool_button(steel_view, "Elimina materiale"));
    EXPECT_FALSE(std::filesystem::exists(steel_folder() / "Feb 44 K"));
    EXPECT_EQ(items_of(list), Texts{"corto"});
    EXPECT_EQ(get<QLineEdit>(steel_view, "ss1")->text(), "");
    EXPECT_TRUE(steel.is_open());
}

TEST_F(LibraryWindowDesktop, ReferenceMaterialsAddedFromTheToolBarReachBothLists) {
    steel_view->open();
    click(tool_button(steel_view, "Aggiungi materiali di riferimento"));
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].title, "Materiali di riferimento");
    EXPECT_EQ(boxes.seen[0].text, "Aggiunti 11 materiali di riferimento alla libreria.");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Information);
    EXPECT_TRUE(steel.is_open());
    const Texts steels{"B450A", "B450C", "Feb 44 K"};
    EXPECT_EQ(items_of(get<QListWidget>(steel_view, "File2")), steels);
    EXPECT_EQ(items_of(get<QListWidget>(form_window, "File1")), steels);
    EXPECT_EQ(get<QListWidget>(form_window, "File2")->count(), 10);
}

TEST_F(LibraryWindowDesktop, TabVisitsTheCommandsTheListTheFieldsAndTheButtons) {
    steel_view->open();
    click(tool_button(steel_view, "Nuovo materiale"));
    // The window manager's part once the message box has closed.
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    tool_button(steel_view, "Nuovo materiale")->setFocus(Qt::TabFocusReason);
    Texts order;
    for (int i = 0; i < 13; ++i) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused) break;
        auto* button = qobject_cast<QToolButton*>(focused);
        order.push_back((button ? button->text() : focused->objectName()).toStdString());
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    // The list and "Carica" wait while a material is being created.
    EXPECT_EQ(order, (Texts{"Nuovo materiale", "Modifica materiale", "ss1", "ss2", "ss3", "ss4", "ss5", "ss6", "ss7",
                            "cns2", "Command1", "Nuovo materiale", "Modifica materiale"}));
}

}  // namespace
}  // namespace norvexa
