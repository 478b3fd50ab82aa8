#include "common/window_model.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace norvexa {
namespace {

using K = ControlKind;

// A window with one control of each kind that takes events, every handler writing down
// what ran.
struct SampleWindow : WindowModel {
    explicit SampleWindow(HelpLine* help = nullptr) : WindowModel(help) {
        add("frame", frame, K::frame).text("Cornice");
        add("field", field, K::text_field).in("frame").text("0").help("Un numero").back(colours::light_grey)
            .key_down(log("key")).change(log("change")).leave(log("leave")).double_click(log("double"));
        add("list", list, K::choice_list).in("frame").items({"a", "b"}).choose(log("choose"));
        add("one", one, K::option_button).group("g").value(1).click(log("one"));
        add("two", two, K::option_button).group("g").click(log("two"));
        add("check", check, K::check_box).click(log("check"));
        add("slider", slider, K::slider).range(1, 20).value(10).change(log("slider"));
        add("button", button, K::command_button).click(log("click")).press(log("press")).release(log("release"));
        add("tabs", tabs, K::tab_panel).items({"uno", "due"}).click(log("page"));
        add("bar", bar, K::tool_bar).tool([this](int b) { ran.push_back("tool " + std::to_string(b)); },
                                          [](int b) { return b == 2; });
        reset();
    }
    std::function<void()> log(std::string what) {
        return [this, what] { ran.push_back(what); };
    }
    using WindowModel::reset;

    Control frame, field, list, one, two, check, slider, button, tabs, bar;
    std::vector<std::string> ran;
};

TEST(WindowModel, ARowGivesKindPlaceRangeStartStateAndHelp) {
    HelpLine help;
    SampleWindow w(&help);
    EXPECT_EQ(w.info("field").kind, K::text_field);
    EXPECT_EQ(w.info("field").frame, "frame");
    EXPECT_EQ(w.info("slider").maximum, 20);
    EXPECT_EQ(w.info("nessuno").kind, K::label);
    EXPECT_EQ(w.find("nessuno"), nullptr);
    EXPECT_EQ(w.field.text, "0");
    EXPECT_EQ(w.field.back, colours::light_grey);
    EXPECT_EQ(w.list.items, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(w.slider.value, 10);
    EXPECT_EQ(w.help_keys(), std::vector<std::string>{"field"});
    w.pointer_over("field");
    EXPECT_EQ(help.text(), "Un numero");

    w.field = Control{};
    w.one.value = 0;
    w.reset();
    EXPECT_EQ(w.field.text, "0");
    EXPECT_EQ(w.one.value, 1);
}

TEST(WindowModel, EachEventRunsItsHandlersInOrder) {
    SampleWindow w;
    const struct {
        std::function<bool(SampleWindow&)> event;
        bool taken;
        std::vector<std::string> ran;
    } cases[] = {
        {[](SampleWindow& s) { return s.type("field", "12"); }, true, {"key", "change"}},
        {[](SampleWindow& s) { return s.type("field", "12"); }, true, {"key"}},  // the text as it was
        {[](SampleWindow& s) { return s.type("list", "a"); }, false, {}},
        {[](SampleWindow& s) { return s.choose("list", "b"); }, true, {"choose"}},
        {[](SampleWindow& s) { return s.choose("list", "c"); }, false, {}},
        {[](SampleWindow& s) { return s.click("two"); }, true, {"two"}},
        {[](SampleWindow& s) { return s.click("field"); }, false, {}},
        {[](SampleWindow& s) { return s.move_slider("slider", 21); }, false, {}},
        {[](SampleWindow& s) { return s.move_slider("slider", 20); }, true, {"slider"}},
        {[](SampleWindow& s) { return s.show_page("tabs", 1); }, true, {"page"}},
        {[](SampleWindow& s) { return s.show_page("tabs", 2); }, false, {}},
        {[](SampleWindow& s) { return s.press("button") && s.release("button") && s.click("button"); }, true,
         {"press", "release", "click"}},
        {[](SampleWindow& s) { return s.tool("bar", 2); }, true, {"tool 2"}},
        {[](SampleWindow& s) { return s.tool("bar", 3); }, false, {}},
        {[](SampleWindow& s) { return s.leave("list"); }, false, {}},
        {[](SampleWindow& s) { return s.double_click("field"); }, true, {"double"}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        w.ran.clear();
        EXPECT_EQ(cases[i].event(w), cases[i].taken) << i;
        EXPECT_EQ(w.ran, cases[i].ran) << i;
    }
    EXPECT_EQ(w.one.value, 0);
    EXPECT_EQ(w.two.value, 1);
    EXPECT_EQ(w.slider.value, 20);
    EXPECT_EQ(w.tabs.value, 1);
}

TEST(WindowModel, AControlThatIsNotUsableRefusesEveryEvent) {
    for (int way = 0; way < 3; ++way) {
        SampleWindow w;
        if (way == 0) w.field.enabled = false;
        if (way == 1) w.field.visible = false;
        if (way == 2) w.frame.enabled = false;  // the frame around it
        const Control before = w.field;
        EXPECT_FALSE(w.type("field", "5")) << way;
        EXPECT_FALSE(w.leave("field")) << way;
        EXPECT_FALSE(w.double_click("field")) << way;
        EXPECT_TRUE(w.ran.empty()) << way;
        EXPECT_EQ(w.field, before) << way;
    }
}

TEST(WindowModel, ATextSetByAHandlerRunsTheChangeHandlerOnlyWhenItChanges) {
    SampleWindow w;
    const unsigned long start = w.revision();
    w.set_text(w.field, "0");
    EXPECT_TRUE(w.ran.empty());
    w.set_text(w.field, "7");
    EXPECT_EQ(w.ran, std::vector<std::string>{"change"});
    EXPECT_GT(w.revision(), start);
}

}  // namespace
}  // namespace norvexa
