#include "input/ui/form1_window.h"

#include <filesystem>
#include <string>
#include <vector>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "common/program_folder.h"
#include "common/ui/message_box.h"
#include "common/ui/window_test_support.h"
#include "materials/material_files.h"
#include "scratch_folder.h"
#include "shell/program.h"

namespace norvexa {
namespace {

using Items = std::vector<std::string>;

Items items_of(const QComboBox* box) {
    Items items;
    for (int i = 0; i < box->count(); ++i) items.push_back(box->itemText(i).toStdString());
    return items;
}

// Records every message and shows it in a real message box.
class BoxPrompter : public Prompter {
  public:
    Answer ask(const Message& message) override {
        shown.push_back(message);
        return boxes_.ask(message);
    }
    void set_parent(QWidget* parent) { boxes_.set_parent(parent); }
    std::vector<Message> shown;

  private:
    MessageBoxPrompter boxes_;
};

// The input form window over a program whose library holds the two reference
// materials, shown, active, and driven through its widgets.
class InputWindow : public testing::Test {
  protected:
    InputWindow() {
        std::filesystem::create_directories(concrete_folder());
        std::filesystem::create_directories(steel_folder());
        write_material(reference_material(MaterialKind::concrete));
        write_material(reference_material(MaterialKind::steel));
    }

    void SetUp() override {
        prompter.set_parent(&window);
        ASSERT_EQ(form.Form_Load(), Form1::Load::loaded);
        window.refresh();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename Widget = QWidget>
    Widget* get(const char* name) {
        auto* widget = window.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QComboBox* combo(const char* name) { return get<QComboBox>(name); }
    QLineEdit* edit(const char* name) { return get<QLineEdit>(name); }
    // The text a field, a list or a label shows.
    std::string shown(const char* name) {
        QWidget* widget = get(name);
        if (auto* box = qobject_cast<QComboBox*>(widget)) return box->currentText().toStdString();
        if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text().toStdString();
        if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
        ADD_FAILURE() << name << " shows no text";
        return {};
    }

    // Clicks a widget as a user does; a list's text part for an editable list.
    void click(QWidget* widget) {
        if (auto* box = qobject_cast<QComboBox*>(widget); box && box->isEditable()) widget = box->lineEdit();
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    // Keys to whatever has the focus, as the keyboard sends them.
    void keys(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // Clicks into the field and types there.
    void type_into(const char* name, const QString& text) {
        click(get(name));
        keys(text);
    }
    // Replaces the field's text by pasting the whole text at once, where typing it would
    // be refused at its first letter.
    void paste_into(const char* name, const QString& text) {
        click(get(name));
        key(Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(text);
        key(Qt::Key_V, Qt::ControlModifier);
    }
    // Opens a list's drop-down and clicks the item.
    void pick(const char* name, const QString& item) {
        QComboBox* box = combo(name);
        ASSERT_NE(box, nullptr);
        const int row = box->findText(item);
        ASSERT_GE(row, 0) << name << " has no item " << item.toStdString();
        box->showPopup();
        QAbstractItemView* view = box->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QModelIndex index = view->model()->index(row, box->modelColumn());
        view->scrollTo(index);
        const QPoint place = view->visualRect(index).center();
        QTest::mouseMove(view->viewport(), place);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place);
        EXPECT_FALSE(view->isVisible()) << name;
    }
    // Clicks the tab of a page of the layer table.
    void open_page(int page) {
        QTabBar* bar = get<QTabWidget>("SSTab1")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    // The control that has the focus; a part Qt makes, such as a tab bar, by its owner.
    std::string focused_name() const {
        const QWidget* widget = focused();
        if (!widget) return "(none)";
        if (widget->objectName().startsWith("qt_")) widget = widget->parentWidget();
        return widget->objectName().toStdString();
    }
    // The window manager's part once a message box has closed: the window is active again.
    void reactivate() {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    ScratchHome home;
    BoxPrompter prompter;
    ModalAnswerer boxes;
    ScriptedFileChooser files;
    FixedTextMeasure measure;
    HeadlessDesktop desktop{prompter, files, measure};
    Program program{desktop};
    Form1& form = program.form;
    Form1Window window{form, [this] { window.refresh(); }};
};

TEST_F(InputWindow, PointInAHeightBecomesACommaWhenTheFocusLeavesAndRebuildsTheDepths) {
    const Items depths{"", "3", "4", "5", "-----", "7,5", "8,5", "9,5"};
    // Leaving by the Tab key and leaving by a click elsewhere.
    for (const bool by_tab : {true, false}) {
        type_into("th", "12.5");
        EXPECT_EQ(shown("th"), "12.5") << by_tab;
        if (by_tab) key(Qt::Key_Tab);
        else click(get("TMS"));
        EXPECT_NE(focused(), combo("th")) << by_tab;
        EXPECT_EQ(shown("th"), "12,5") << by_tab;
        EXPECT_EQ(form.control("th").text, "12,5") << by_tab;
        EXPECT_EQ(items_of(combo("td1")), depths) << by_tab;
        EXPECT_EQ(items_of(combo("td4")), depths) << by_tab;
        // Emptied for the next round.
        click(get("th"));
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Delete);
        EXPECT_EQ(form.control("th").text, "") << by_tab;
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(InputWindow, TypedSizesAreNotCompletedFromTheList) {
    type_into("th", "12");
    EXPECT_EQ(shown("th"), "12");
    EXPECT_EQ(form.control("th").text, "12");
    key(Qt::Key_Tab);
    EXPECT_EQ(shown("th"), "12");
    EXPECT_EQ(form.control("th").text, "12");
}

TEST_F(InputWindow, OpeningTheDropDownDoesNotLeaveTheField) {
    type_into("th", "12.5");
    combo("th")->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(combo("th")->view()->window()));
    EXPECT_EQ(form.control("th").text, "12.5");
    key(Qt::Key_Escape);
    EXPECT_FALSE(combo("th")->view()->isVisible());
    EXPECT_EQ(form.control("th").text, "12.5");
    EXPECT_EQ(shown("th"), "12.5");
    key(Qt::Key_Tab);
    EXPECT_EQ(form.control("th").text, "12,5");
}

TEST_F(InputWindow, RefusedTextShowsOneBoxAndEmptiesTheField) {
    paste_into("th", "abc");
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "Errore di sintassi: abc");
    EXPECT_EQ(boxes.seen[0].title, "Attenzione");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(boxes.seen[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(shown("th"), "");
    EXPECT_EQ(form.control("th").text, "");
    // The focus comes back to the field; leaving it then says nothing more.
    EXPECT_EQ(window.focusWidget(), combo("th"));
    reactivate();
    EXPECT_EQ(focused(), combo("th"));
    key(Qt::Key_Tab);
    EXPECT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(InputWindow, TheBoxTakingTheFocusDoesNotLeaveTheField) {
    // Leaving an action field writes 0 into it when empty: a leave run by the box's focus
    // change would show there.
    paste_into("TMS", "abc");
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "Errore di sintassi: abc");
    EXPECT_EQ(shown("TMS"), "");
    EXPECT_EQ(form.control("TMS").text, "");
    EXPECT_EQ(window.focusWidget(), edit("TMS"));
    reactivate();
    EXPECT_EQ(shown("TMS"), "");
    key(Qt::Key_Tab);
    EXPECT_EQ(shown("TMS"), "0");
    EXPECT_EQ(boxes.seen.size(), 1u);
}

TEST_F(InputWindow, LayerCountSwitchesTheLayerFieldsOnAndOff) {
    EXPECT_FALSE(edit("ta2")->isEnabled());
    pick("strati", "N° 3 Strati barre");
    EXPECT_EQ(shown("strati"), "N° 3 Strati barre");
    for (const char* name : {"ta2", "ta3", "td2", "td3"}) EXPECT_TRUE(get(name)->isEnabled()) << name;
    for (const char* name : {"ta4", "td4"}) EXPECT_FALSE(get(name)->isEnabled()) << name;
    type_into("ta2", "3");
    type_into("td3", "20");
    EXPECT_EQ(form.control("ta2").text, "3");

    pick("strati", "N° 1 Strati barre");
    for (const char* name : {"ta2", "ta3", "td2", "td3"}) EXPECT_FALSE(get(name)->isEnabled()) << name;
    EXPECT_EQ(shown("ta2"), "");
    EXPECT_EQ(shown("td3"), "");
    EXPECT_TRUE(form.salvaconnome);
}

TEST_F(InputWindow, ALayerPageRaisesTheLayerCount) {
    auto* tabs = get<QTabWidget>("SSTab1");
    open_page(3);
    EXPECT_EQ(tabs->currentIndex(), 3);
    EXPECT_EQ(form.control("SSTab1").value, 3);
    EXPECT_EQ(shown("strati"), "N° 3 Strati barre");
    EXPECT_TRUE(get("n3a1")->isEnabled());
    EXPECT_TRUE(edit("ta3")->isEnabled());
    // A lower page leaves the count as it is.
    open_page(2);
    EXPECT_EQ(shown("strati"), "N° 3 Strati barre");
    click(get("Command4"));
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(InputWindow, DoubleClickOnALayerAreaOpensItsBarPage) {
    QTest::mouseDClick(edit("ta1"), Qt::LeftButton, {}, edit("ta1")->rect().center());
    EXPECT_EQ(get<QTabWidget>("SSTab1")->currentIndex(), 1);
    EXPECT_TRUE(get("n1a1")->isVisible());
}

TEST_F(InputWindow, BarListFillsTheLayerArea) {
    open_page(1);
    pick("n1a1", "2");
    pick("f1a1", "16");
    EXPECT_EQ(shown("a1"), "4,02");
    EXPECT_EQ(shown("atot"), "4,02");
    EXPECT_EQ(shown("ta1"), "4,02");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(InputWindow, AnyKeyInALayerAreaEmptiesItsBarListButTabbingThroughDoesNot) {
    open_page(1);
    pick("n1a1", "2");
    pick("f1a1", "16");
    open_page(0);
    click(edit("ta1"));
    key(Qt::Key_Tab);
    EXPECT_EQ(shown("n1a1"), "2");
    EXPECT_EQ(shown("a1"), "4,02");

    click(edit("ta1"));
    key(Qt::Key_End);
    EXPECT_EQ(shown("n1a1"), "");
    EXPECT_EQ(shown("f1a1"), "");
    EXPECT_EQ(shown("a1"), "");
    EXPECT_EQ(shown("ta1"), "4,02");
    EXPECT_EQ(shown("atot"), "4,02");
}

TEST_F(InputWindow, ShearSwitchEmptiesAndDisablesTheStirrupsAndTheShearAction) {
    type_into("nbr", "2");
    type_into("dst", "8");
    type_into("passo", "10");
    EXPECT_EQ(shown("ast"), "10,05");
    auto* shear = get<QCheckBox>("Check5");
    click(shear);
    EXPECT_FALSE(shear->isChecked());
    for (const char* name : {"nbr", "dst", "passo", "TVS"}) {
        EXPECT_FALSE(get(name)->isEnabled()) << name;
        EXPECT_EQ(shown(name), "") << name;
    }
    // The switch itself stays usable, and turns them on again.
    EXPECT_TRUE(shear->isEnabled());
    click(shear);
    EXPECT_TRUE(shear->isChecked());
    for (const char* name : {"nbr", "dst", "passo", "TVS"}) EXPECT_TRUE(get(name)->isEnabled()) << name;
    EXPECT_EQ(shown("TVS"), "0");
}

TEST_F(InputWindow, AClickOnAMaterialReadsItsProperties) {
    Materiale steel = reference_material(MaterialKind::steel);
    steel.nome = "B450C";
    steel.fields[0] = "450";
    ASSERT_TRUE(write_material(steel));
    form.File_LostFocus(MaterialKind::steel);
    window.refresh();
    auto* list = get<QListWidget>("File1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(shown("stl2"), "430");

    // Reaching the list by the keyboard chooses nothing.
    click(edit("TVS"));
    list->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(shown("stl2"), "430");
    EXPECT_EQ(form.control("File1").text, "");

    QListWidgetItem* item = list->findItems("B450C", Qt::MatchExactly).front();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    EXPECT_EQ(form.control("File1").text, "B450C");
    EXPECT_EQ(shown("stl1"), "B450C");
    EXPECT_EQ(shown("stl2"), "450");
    item = list->findItems("Feb 44 K", Qt::MatchExactly).front();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    EXPECT_EQ(shown("stl1"), "Feb 44 K");
    EXPECT_EQ(shown("stl2"), "430");

    // The model choosing another item is shown without reading it again.
    form.control("File1").text = "B450C";
    window.refresh();
    EXPECT_EQ(list->currentItem()->text().toStdString(), "B450C");
    EXPECT_EQ(shown("stl2"), "430");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(InputWindow, CalculateRefusesMissingInput) {
    click(get("Command1"));
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "Controllare dati Armature Longitudinali");
    EXPECT_EQ(boxes.seen[0].title, "Attenzione");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Critical);
}

TEST_F(InputWindow, ShapeButtonsShowExactlyOneChoice) {
    auto* rectangle = get<QRadioButton>("rett");
    auto* tee = get<QRadioButton>("t");
    EXPECT_TRUE(rectangle->isChecked());
    EXPECT_FALSE(tee->isChecked());
    EXPECT_FALSE(combo("tb2")->isVisible());
    for (QRadioButton* button : {rectangle, tee, tee, rectangle, rectangle}) {
        click(button);
        EXPECT_TRUE(button->isChecked()) << button->objectName().toStdString();
        EXPECT_EQ(rectangle->isChecked() + tee->isChecked(), 1) << button->objectName().toStdString();
        EXPECT_EQ(combo("tb2")->isVisible(), button == tee);
    }
    EXPECT_FALSE(get("COOR")->isEnabled());
}

TEST_F(InputWindow, SlidersMoveTheModelOnlyWhenTheUserMovesThem) {
    auto* strip = get<QSlider>("sl1");
    EXPECT_EQ(strip->value(), 20);
    form.control("sl1").value = 30;  // as a project read sets it, without its handler
    window.refresh();
    EXPECT_EQ(strip->value(), 30);
    EXPECT_EQ(shown("rettang"), "2");
    EXPECT_FALSE(form.salvaconnome);

    strip->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Right);
    EXPECT_EQ(form.control("sl1").value, 31);
    EXPECT_EQ(shown("rettang"), "3,1");
    EXPECT_TRUE(form.salvaconnome);
    auto* tolerance = get<QSlider>("sl2");
    tolerance->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Left);
    EXPECT_EQ(shown("toller"), "9");
}

TEST_F(InputWindow, TabVisitsTheFieldsInReadingOrder) {
    click(get("t"));
    pick("strati", "N° 4 Strati barre");
    click(get("rett"));
    click(get("t"));
    const std::vector<std::string> expected{
        "t",   "tb",  "th",     "tb2", "th2", "strati", "SSTab1", "ta1", "td1", "ta2",      "td2",   "ta3",   "td3", "ta4",
        "td4", "Check5", "nbr", "dst", "passo", "TMS",  "TVS",    "sl1", "sl2", "Command1", "File1", "File2", "rett"};
    std::vector<std::string> order;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        order.push_back(focused_name());
        key(Qt::Key_Tab);
    }
    EXPECT_EQ(order, expected);

    // On a bar page, its lists and its return button follow the page's tab.
    open_page(2);
    get("strati")->setFocus(Qt::TabFocusReason);
    order.clear();
    for (int i = 0; i < 10; ++i) {
        key(Qt::Key_Tab);
        order.push_back(focused_name());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"SSTab1", "n2a1", "f2a1", "n2a2", "f2a2", "n2a3", "f2a3",
                                                "Command4", "Check5", "nbr"}));
}

}  // namespace
}  // namespace norvexa
