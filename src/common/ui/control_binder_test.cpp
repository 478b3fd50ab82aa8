#include "common/ui/control_binder.h"

#include <map>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "common/prompter.h"
#include "common/ui/message_box.h"
#include "common/ui/window_test_support.h"

namespace norvexa {
namespace {

// A window model whose rows the tests add one by one.
struct TestWindow : WindowModel {
    RowBuilder row(std::string name, Control& control, ControlKind kind) { return add(std::move(name), control, kind); }
    const ControlRow& last() const { return rows().back(); }
};

// A window of bound controls with every event it receives written down as
// "event name [text]"; each test sets the handlers' effects it needs.
class BoundWindow : public testing::Test {
  protected:
    BoundWindow() {
        binder = new ControlBinder(model, [this] { binder->refresh(); }, &host);
        new QVBoxLayout(&host);
    }

    // Binds the control and places its widget in the window (in its frame when it has one).
    template <typename Widget = QWidget>
    Widget* add(const std::string& name, ControlKind kind, Control control = {}, std::string frame = {}) {
        Control& bound = controls[name] = std::move(control);
        RowBuilder row = model.row(name, bound, kind).in(frame);
        if (kind == ControlKind::text_field || kind == ControlKind::editable_list)
            row.change([this, name, &bound] {
                log("type", name, bound.text);
                if (on_type) on_type(name, bound.text);
            });
        row.leave([this, name] {
            log("leave", name);
            if (on_leave) on_leave(name);
        });
        if (choosing)
            row.choose([this, name, &bound] { log("choose", name, bound.text); });
        row.click([this, name] {
            log("click", name);
            if (on_click) on_click(name);
        });
        if (kind == ControlKind::slider) row.range(1, 40);
        row.tool([this, name](int button) { log("tool bar", name.substr(name.size() - 1), std::to_string(button)); },
                 [](int button) { return button != 3; });
        QWidget* widget = binder->bind(model.last());
        if (frame.empty()) host.layout()->addWidget(widget);
        else binder->widget(frame)->layout()->addWidget(widget);
        if (kind == ControlKind::frame) new QVBoxLayout(widget);
        return qobject_cast<Widget*>(widget);
    }
    void show() {
        host.show();
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    }
    void log(const char* event, std::string_view name, const std::string& text = {}) {
        events.push_back(std::string(event) + " " + std::string(name) + (text.empty() ? "" : " " + text));
    }

    std::map<std::string, Control> controls;  // node-based: the bound references stay valid
    std::function<void(std::string_view, const std::string&)> on_type;
    std::function<void(std::string_view)> on_leave, on_click;
    bool choosing = true;
    std::vector<std::string> events;
    TestWindow model;
    QWidget host;
    ControlBinder* binder;
};

using Log = std::vector<std::string>;

Control control(std::string text, std::vector<std::string> items = {}, int value = 0) {
    Control c;
    c.text = std::move(text);
    c.items = std::move(items);
    c.value = value;
    return c;
}

TEST_F(BoundWindow, AListBeingTypedIntoKeepsItsTextAndCursorWhenItsItemsChange) {
    on_type = [this](std::string_view name, const std::string& text) {
        Control& c = controls[std::string(name)];
        c.text = text;
        c.items = {"", text + "0"};  // the list follows the text, as the depth lists follow a height
    };
    auto* box = add<QComboBox>("depth", ControlKind::editable_list, control("", {"", "1"}));
    add("other", ControlKind::text_field);
    show();
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
    QTest::keyClicks(box, "125");
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClicks(box, "7");
    EXPECT_EQ(box->currentText().toStdString(), "1725");
    EXPECT_EQ(box->lineEdit()->cursorPosition(), 2);
    EXPECT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(1).toStdString(), "17250");
    EXPECT_EQ(events, (Log{"type depth 1", "type depth 12", "type depth 125", "type depth 1725"}));
}

TEST_F(BoundWindow, AMessageBoxRaisedByAHandlerDoesNotReenterTheHandlers) {
    ModalAnswerer boxes;
    MessageBoxPrompter prompter(&host);
    on_leave = [&](std::string_view) { prompter.ask({"Errore", Icon::warning, Buttons::ok, "Attenzione"}); };
    auto* field = add<QLineEdit>("field", ControlKind::text_field);
    auto* list = add<QComboBox>("list", ControlKind::editable_list);
    show();
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(host.focusWidget(), list);
    EXPECT_FALSE(binder->busy());
    EXPECT_EQ(events, (Log{"leave field"}));
}

TEST_F(BoundWindow, RefreshShowsTheModelWithoutRunningHandlers) {
    auto* slider = add<QSlider>("slider", ControlKind::slider, control("", {}, 20));
    auto* list = add<QListWidget>("files", ControlKind::file_list, control("", {"A", "B"}));
    auto* choice = add<QComboBox>("choice", ControlKind::choice_list, control("uno", {"uno", "due"}));
    auto* field = add<QLineEdit>("field", ControlKind::text_field, control("x"));
    show();
    EXPECT_EQ(slider->value(), 20);
    controls["slider"].value = 35;
    controls["files"].items = {"A", "B", "C"};
    controls["files"].text = "C";
    controls["choice"].text = "due";
    controls["field"].text = "y";
    binder->refresh();
    EXPECT_EQ(slider->value(), 35);
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentItem()->text().toStdString(), "C");
    EXPECT_EQ(choice->currentText().toStdString(), "due");
    EXPECT_EQ(field->text().toStdString(), "y");
    EXPECT_TRUE(events.empty()) << events.front();
}

TEST_F(BoundWindow, AFileListChoosesByClickOrArrowKeyOnly) {
    auto* list = add<QListWidget>("files", ControlKind::file_list, control("", {"A", "B", "C"}));
    auto* field = add<QLineEdit>("field", ControlKind::text_field);
    show();
    QTest::mouseClick(field, Qt::LeftButton);
    events.clear();
    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(events, Log{"leave field"});
    events.clear();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(events, Log{"choose files B"});
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(events, (Log{"choose files B", "choose files C"}));
    EXPECT_EQ(controls["files"].text, "C");
    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_EQ(events, (Log{"choose files B", "choose files C", "leave files"}));
}

TEST_F(BoundWindow, AListWithoutAChoiceHandlerTakesThePickedItemAsTyped) {
    choosing = false;
    auto* box = add<QComboBox>("size", ControlKind::editable_list, control("", {"", "10", "20"}));
    show();
    box->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box->view()->window()));
    const QPoint item = box->view()->visualRect(box->view()->model()->index(2, 0)).center();
    QTest::mouseClick(box->view()->viewport(), Qt::LeftButton, {}, item);
    EXPECT_EQ(events, (Log{"type size 20"}));
}

TEST_F(BoundWindow, OptionButtonsShowTheModelsChoiceAfterEveryClick) {
    on_click = [this](std::string_view name) {
        controls["one"].value = name == "one";
        controls["two"].value = name == "two";
    };
    auto* one = add<QRadioButton>("one", ControlKind::option_button, control("Uno", {}, 1));
    auto* two = add<QRadioButton>("two", ControlKind::option_button, control("Due"));
    show();
    for (QRadioButton* button : {one, one, two, two, one}) {
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(button->isChecked()) << button->objectName().toStdString();
        EXPECT_EQ(one->isChecked() + two->isChecked(), 1);
    }
}

TEST_F(BoundWindow, AWidgetInADisabledFrameFollowsTheFrameAndKeepsItsOwnSwitch) {
    auto* frame = add<QGroupBox>("frame", ControlKind::frame, control("Staffe"));
    auto* inner = add<QLineEdit>("inner", ControlKind::text_field, {}, "frame");
    Control switched_off;
    switched_off.enabled = false;
    auto* off = add<QLineEdit>("off", ControlKind::text_field, switched_off, "frame");
    show();
    EXPECT_EQ(frame->title().toStdString(), "Staffe");
    controls["frame"].enabled = false;
    binder->refresh();
    EXPECT_FALSE(inner->isEnabled());
    EXPECT_FALSE(off->isEnabled());
    controls["frame"].enabled = true;
    binder->refresh();
    EXPECT_TRUE(inner->isEnabled());
    EXPECT_FALSE(off->isEnabled());
    controls["off"].enabled = true;
    binder->refresh();
    EXPECT_TRUE(off->isEnabled());
}

TEST_F(BoundWindow, TheWheelTurnsOnlyTheListOrSliderTheUserIsIn) {
    auto* choice = add<QComboBox>("choice", ControlKind::choice_list, control("uno", {"uno", "due", "tre"}));
    auto* slider = add<QSlider>("slider", ControlKind::slider, control("", {}, 20));
    auto* field = add<QLineEdit>("field", ControlKind::text_field);
    show();
    auto turn = [](QWidget* widget) {
        QWheelEvent wheel(QPointF(widget->rect().center()), QPointF(widget->mapToGlobal(widget->rect().center())),
                          {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
    };
    field->setFocus();
    turn(choice);
    turn(slider);
    EXPECT_EQ(choice->currentText().toStdString(), "uno");
    EXPECT_EQ(slider->value(), 20);
    EXPECT_TRUE(events.empty()) << events.front();

    choice->setFocus();
    turn(choice);
    EXPECT_EQ(events, (Log{"leave field", "choose choice due"}));
    slider->setFocus();
    turn(slider);
    EXPECT_NE(controls["slider"].value, 20);
}

TEST_F(BoundWindow, ToolBarButtonsTellTheirBarAndNumber) {
    auto* bar = add<QToolBar>("Toolbar2", ControlKind::tool_bar, control("", {"", "Calcolatrice", "Relazione di calcolo"}));
    show();
    const QList<QAction*> actions = bar->actions();
    ASSERT_EQ(actions.size(), 2);  // button 1 is none
    EXPECT_EQ(actions[0]->toolTip().toStdString(), "Calcolatrice");
    EXPECT_TRUE(actions[0]->isEnabled());
    EXPECT_FALSE(actions[1]->isEnabled());
    QTest::mouseClick(bar->widgetForAction(actions[0]), Qt::LeftButton);
    EXPECT_EQ(events, Log{"tool bar 2 2"});
}

}  // namespace
}  // namespace norvexa
