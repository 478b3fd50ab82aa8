#include <set>
#include <string>

#include <gtest/gtest.h>

#include "analysis/form_fields.h"
#include "input_form_fixture.h"

namespace norvexa {
namespace {

TEST_F(InputForm, EveryHelpTextBelongsToARegisteredControl) {
    const std::vector<std::string> keys = form.help_keys();
    EXPECT_EQ(keys.size(), 31u);  // every text of the help table found its control
    for (const std::string& key : keys) EXPECT_NE(form.find(key), nullptr) << key;
}

TEST_F(InputForm, EveryFieldTheAnalysisReadsIsARegisteredControl) {
    for (const std::string& name : form_field_names()) EXPECT_NE(form.find(name), nullptr) << name;
}

TEST_F(InputForm, EveryControlSaysHowAViewShowsIt) {
    std::set<std::string> names;
    for (const ControlRow& row : form.rows()) {
        const std::string& name = row.name;
        EXPECT_TRUE(names.insert(name).second) << "twice: " << name;
        const ControlInfo& info = form.info(name);
        if (!info.frame.empty()) {
            const ControlKind holder = form.info(info.frame).kind;
            EXPECT_TRUE(holder == ControlKind::frame || holder == ControlKind::tab_panel) << name;
        }
        if (info.page >= 0) {
            EXPECT_LT(static_cast<std::size_t>(info.page), form.control("SSTab1").items.size()) << name;
        }
    }
    EXPECT_EQ(form.info("tb").kind, ControlKind::editable_list);
    EXPECT_EQ(form.info("strati").kind, ControlKind::choice_list);
    EXPECT_EQ(form.info("File1").kind, ControlKind::file_list);
    EXPECT_EQ(form.info("TMS").kind, ControlKind::text_field);
    EXPECT_EQ(form.info("n4a3").page, 4);
    EXPECT_EQ(form.info("n4a3").frame, "barFrame4");
    EXPECT_EQ(form.info("rett").group, form.info("t").group);
    EXPECT_EQ(form.info("sl1").maximum, 40);
    EXPECT_EQ(form.info("sl2").maximum, 20);
    EXPECT_EQ(form.info("nessuno").kind, ControlKind::label);

    // A field inside a switched-off frame is not usable, however it is itself.
    form.click("Check5");
    EXPECT_FALSE(form.usable("nbr"));
    EXPECT_FALSE(form.usable("n2a1"));
}

TEST_F(InputForm, EveryEventChangesTheRevision) {
    load();
    auto changes = [this](auto&& event) {
        const unsigned long before = form.revision();
        event();
        return form.revision() != before;
    };
    EXPECT_TRUE(changes([&] { form.type("th", "50"); }));
    EXPECT_TRUE(changes([&] { form.leave("th"); }));
    EXPECT_TRUE(changes([&] { form.choose("n1a1", "2"); }));
    EXPECT_TRUE(changes([&] { form.click("Check5"); }));
    EXPECT_TRUE(changes([&] { form.move_slider("sl1", 5); }));
    EXPECT_TRUE(changes([&] { form.show_tab(2); }));
    EXPECT_TRUE(changes([&] { form.pointer_over("tb"); }));
    EXPECT_TRUE(changes([&] { form.Command1_Click(); }));
    EXPECT_TRUE(changes([&] { form.Toolbar_ButtonClick(1, 1); }));
}

TEST_F(InputForm, ToolBarButtonsWorkOnlyOnceGivenTheirCommand) {
    EXPECT_FALSE(form.toolbar_button_enabled(1, 1));
    EXPECT_TRUE(form.toolbar_button_enabled(1, 2));  // the program wires the project commands
    form.hooks.show_concrete_library = nullptr;
    EXPECT_FALSE(form.toolbar_button_enabled(3, 2));
    int opened = 0;
    form.hooks.show_concrete_library = [&] { ++opened; };
    EXPECT_TRUE(form.toolbar_button_enabled(3, 2));
    form.Toolbar_ButtonClick(3, 2);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(form.toolbar_button_enabled(4, 2));
}

}  // namespace
}  // namespace norvexa
