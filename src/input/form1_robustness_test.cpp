// The input form under texts no engineer means to type: huge, tiny, negative and
// non-finite numbers, in every control, with every event.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "input_form_fixture.h"

namespace norvexa {
namespace {

TEST_F(InputForm, BarGroupAreaNoLabelCanShowIsRefusedLikeANonNumber) {
    load();
    struct Case {
        const char* count;
        const char* diameter;
        const char* refused;  // the field left last, which gets the message
    };
    for (const Case& c : {Case{"n1a1", "f1a1", "f1a1"}, Case{"f2a3", "n2a3", "n2a3"}}) {
        prompter.shown.clear();
        form.control("strati").text = "N° 4 Strati barre";
        form.strati_Click();
        ASSERT_TRUE(form.choose(c.count, "1"));
        ASSERT_TRUE(form.type(c.diameter, "1e160"));
        form.leave(c.diameter);
        EXPECT_EQ(last_message(), "Errore di sintassi: 1e160") << c.refused;
        EXPECT_EQ(form.find(c.refused)->text, "") << c.refused;
        const char layer = c.count[1], group = c.count[3];
        const std::string area = layer == '1' ? std::string{'a', group} : std::string{'A', group, layer};
        EXPECT_EQ(form.control(area).text, "") << c.refused;
        EXPECT_EQ(form.control(std::string("ta") + layer).text, "") << c.refused;
    }

    // Just below the largest area a label shows in plain digits, and just beyond it.
    prompter.shown.clear();
    form.choose("f1a2", "20");
    form.choose("n1a2", "318300000000000");
    EXPECT_EQ(form.control("a2").text, "999939450000000");
    EXPECT_TRUE(prompter.shown.empty());
    form.choose("n1a2", "318400000000000");
    EXPECT_EQ(last_message(), "Errore di sintassi: 318400000000000");
    EXPECT_EQ(form.control("a2").text, "");
}

TEST_F(InputForm, ZeroCountOrDiameterGivesNoAreaHoweverLargeTheOther) {
    load();
    form.choose("n1a1", "1e308");
    form.choose("f1a1", "0");
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(form.control("a1").text, "");
}

TEST_F(InputForm, StirrupAreaNoLabelCanShowIsRefused) {
    load();
    enter("nbr", "2");
    enter("passo", "10");
    enter("dst", "1e200");
    EXPECT_EQ(last_message(), "Errore di sintassi: 1e200");
    EXPECT_EQ(form.control("dst").text, "");
    EXPECT_EQ(form.control("ast").text, "");

    enter("dst", "8");
    EXPECT_EQ(form.control("ast").text, "10,05");
    enter("passo", "1e-300");  // 100 / S overflows
    EXPECT_EQ(last_message(), "Errore di sintassi: 1e-300");
    EXPECT_EQ(form.control("passo").text, "");
    EXPECT_EQ(form.control("ast").text, "");
}

TEST_F(InputForm, SliderPositionsAreBoundedBeforeNarrowing) {
    load();
    for (const long long far : {4294967297LL, 4294967296LL + 20, -4294967276LL}) {
        EXPECT_FALSE(form.move_slider("sl1", far)) << far;
        EXPECT_FALSE(form.move_slider("sl2", far)) << far;
    }
    EXPECT_EQ(form.control("sl1").value, 20);
    EXPECT_EQ(form.control("sl2").value, 10);
}

TEST_F(InputForm, TSectionWhoseTotalHeightOverflowsKeepsItsDepthLists) {
    load();
    form.click("t");
    enter("th", "1e308");
    enter("th2", "1e308");
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(form.control("td1").items.back(), "1E+308");  // the flange depths, without the web's
}

// Every control gets every text through every event, one after the other, so that each
// text also meets the others' leftovers; then the calculate command runs.
TEST_F(InputForm, NoTextInAnyControlLetsAnExceptionEscape) {
    const std::vector<std::string> texts = {"1e308", "-1e308", "1e300", "1e-300", "4,9e-324", "-5",
                                            "1e400", "inf",   "nan",    "-0",     "1.e5",     "99999999999999999999"};
    for (const std::string& text : texts) {
        ScratchHome fresh_home;
        std::filesystem::create_directories(concrete_folder());
        std::filesystem::create_directories(steel_folder());
        prompter.shown.clear();
        form.reload();
        form.click("t");
        form.choose("strati", "N° 4 Strati barre");
        for (const ControlRow& row : form.rows()) {
            const std::string& name = row.name;
            EXPECT_NO_THROW({
                form.type(name, text);
                form.leave(name);
                form.choose(name, text);
                form.leave(name);
                form.click(name);
                form.double_click(name);
                form.pointer_over(name);
            }) << name << " = " << text;
        }
        for (const char* slider : {"sl1", "sl2"}) EXPECT_NO_THROW(form.move_slider(slider, 1)) << text;
        EXPECT_NO_THROW(form.Command1_Click()) << text;
    }
}

}  // namespace
}  // namespace norvexa
