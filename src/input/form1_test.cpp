#include "input/form1.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "common/line_file.h"
#include "common/program_folder.h"
#include "input_form_fixture.h"

namespace norvexa {
namespace {

using Items = std::vector<std::string>;

Items numbers(int from, int to) {
    Items items;
    for (int i = from; i <= to; ++i) items.push_back(std::to_string(i));
    return items;
}

Items with_empty(Items items) {
    items.insert(items.begin(), "");
    return items;
}

TEST_F(InputForm, LoadFillsTheListsAndLeavesTheProjectUnchanged) {
    load();
    EXPECT_EQ(form.control("strati").items, (Items{"N° 1 Strati barre", "N° 2 Strati barre", "N° 3 Strati barre", "N° 4 Strati barre"}));
    EXPECT_EQ(form.control("strati").text, "N° 1 Strati barre");
    EXPECT_EQ(form.control("tb").items, with_empty({"10", "20", "30", "40", "50", "60", "70", "80", "90", "100", "110", "120"}));
    EXPECT_EQ(form.control("f3a2").items, with_empty({"8", "10", "12", "14", "16", "18", "20", "22", "24", "26", "28", "30"}));
    EXPECT_EQ(form.control("n4a3").items, with_empty(numbers(1, 20)));
    EXPECT_EQ(form.control("dst").items, with_empty({"8", "10", "12", "14", "16"}));
    EXPECT_EQ(form.control("nbr").items, with_empty({"2", "4", "6", "8"}));
    EXPECT_TRUE(form.control("td1").items.empty());
    EXPECT_EQ(form.top, title.height);
    EXPECT_FALSE(form.salvaconnome);
    // Design look without a settings file.
    EXPECT_EQ(form.control("sl1").value, 20);
    EXPECT_EQ(form.control("rettang").text, "2");
    EXPECT_EQ(form.control("toller").text, "10");
    EXPECT_EQ(form.control("tb").back, 12648447u);
    EXPECT_EQ(form.control("stl1").text, "Feb 44 K");
    EXPECT_EQ(form.control("con9").text, "0,28");
    EXPECT_FALSE(form.usable("ta2"));
    EXPECT_FALSE(form.usable("tb2"));
}

TEST_F(InputForm, MissingMaterialFolderStopsTheLoad) {
    std::filesystem::remove_all(steel_folder());
    EXPECT_EQ(form.Form_Load(), Form1::Load::folders_missing);
    EXPECT_TRUE(form.control("strati").items.empty());
    EXPECT_EQ(form.Form_Load(Form1::MissingFolders::go_on), Form1::Load::folders_missing);
    EXPECT_EQ(form.control("strati").items.size(), 4u);
}

TEST_F(InputForm, SettingsFileSetsSlidersAndColours) {
    ASSERT_TRUE(write_lines(settings_file(), {" 255 ", " 65280 ", " 16711680 ", " 0 ", " 25 ", " 7 "}));
    load();
    EXPECT_EQ(form.control("sl1").value, 25);
    EXPECT_EQ(form.control("rettang").text, "2,5");
    EXPECT_EQ(form.control("sl2").value, 7);
    EXPECT_EQ(form.control("toller").text, "7");
    EXPECT_EQ(form.control("th").back, 255u);
    EXPECT_EQ(form.control("strati").back, 65280u);
    EXPECT_EQ(form.control("s1").back, 16711680u);
    EXPECT_EQ(form.control("Frame1").back, 0u);
}

TEST_F(InputForm, FourLineSettingsFileAppliesNothing) {
    ASSERT_TRUE(write_lines(settings_file(), {" 255 ", " 65280 ", " 16711680 ", " 0 "}));
    load();
    EXPECT_EQ(form.control("th").back, 12648447u);
    EXPECT_EQ(form.control("rettang").text, "2");
}

TEST_F(InputForm, HeightRebuildsTheDepthAndSpacingLists) {
    load();
    enter("th", "50");
    const Items rectangle_50 = {"", "3", "4", "5", "-----", "45", "46", "47"};
    for (const char* depth : {"td1", "td2", "td3", "td4"}) EXPECT_EQ(form.control(depth).items, rectangle_50);
    EXPECT_EQ(form.control("passo").items, with_empty(numbers(4, 30)));

    enter("th", "10");
    EXPECT_EQ(form.control("td3").items, (Items{"", "3", "4", "5", "-----"}));
    EXPECT_EQ(form.control("passo").items, with_empty(numbers(4, 8)));

    enter("th", "4");
    EXPECT_EQ(form.control("passo").items, Items{""});
    EXPECT_EQ(form.control("td1").items, (Items{"", "-----"}));

    form.click("t");
    enter("th", "15");
    enter("th2", "45");
    EXPECT_EQ(form.control("td4").items, (Items{"", "3", "4", "5", "-----", "10", "11", "12", "-----", "55", "56", "57"}));
    EXPECT_EQ(form.control("passo").items, with_empty(numbers(4, 30)));
}

TEST_F(InputForm, PointTypedInAHeightBecomesACommaOnLeaving) {
    load();
    ASSERT_TRUE(form.type("th", "12.5"));
    EXPECT_EQ(form.control("td1").items.back(), "122");  // 12.5 reads 125 while typed
    form.leave("th");
    EXPECT_EQ(form.control("th").text, "12,5");
    EXPECT_EQ(form.control("td1").items, (Items{"", "3", "4", "5", "-----", "7,5", "8,5", "9,5"}));
    EXPECT_TRUE(form.salvaconnome);
}

TEST_F(InputForm, EntryRuleRefusesNonNumbersAndBlanksZeroSizes) {
    load();
    enter("tb", "0,8");
    EXPECT_EQ(form.control("tb").text, "");
    enter("tb", "25,5");
    EXPECT_EQ(form.control("tb").text, "25,5");

    enter("th", "50");
    enter("th", "abc");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0], (Message{"Errore di sintassi: abc", Icon::warning, Buttons::ok, "Attenzione"}));
    EXPECT_EQ(form.control("th").text, "");
    EXPECT_EQ(form.control("td1").items.back(), "47");  // no rebuild after a refused text

    enter("th", "0");
    EXPECT_EQ(form.control("th").text, "");
    EXPECT_EQ(form.control("td1").items, (Items{"", "-----"}));
}

TEST_F(InputForm, ShapeChoiceShowsAndClearsTheWebSizes) {
    load();
    form.click("t");
    EXPECT_TRUE(form.usable("tb2"));
    EXPECT_TRUE(form.control("lblH2").visible);
    enter("th", "15");
    enter("tb2", "30");
    enter("th2", "45");
    const Items tee_lists = form.control("td1").items;
    form.click("rett");
    EXPECT_EQ(form.control("tb2").text, "");
    EXPECT_EQ(form.control("th2").text, "");
    EXPECT_FALSE(form.control("tb2").visible);
    EXPECT_EQ(form.control("td1").items, tee_lists);  // the click does not rebuild the lists
    EXPECT_EQ(form.control("rett").value, 1);
    EXPECT_EQ(form.control("t").value, 0);
}

TEST_F(InputForm, BarListGivesTheLayerArea) {
    load();
    form.choose("n1a1", "2");
    form.choose("f1a1", "16");
    EXPECT_EQ(form.control("a1").text, "4,02");
    EXPECT_EQ(form.control("atot").text, "4,02");
    EXPECT_EQ(form.control("ta1").text, "4,02");
    form.choose("n1a2", "3");
    form.choose("f1a2", "14");
    EXPECT_EQ(form.control("a2").text, "4,62");
    EXPECT_EQ(form.control("ta1").text, "8,64");
    EXPECT_EQ(form.control("atot").text, "8,64");

    form.choose("n1a3", "4");
    EXPECT_EQ(form.control("a3").text, "");  // a count without a diameter
    EXPECT_EQ(form.control("ta1").text, "8,64");
}

TEST_F(InputForm, AnyKeyInAnAreaEmptiesItsBarList) {
    load();
    form.choose("n1a1", "2");
    form.choose("f1a1", "16");
    enter("ta1", "5");
    for (const char* c : {"n1a1", "n1a2", "n1a3", "f1a1", "f1a2", "f1a3"}) EXPECT_EQ(form.control(c).text, "");
    EXPECT_EQ(form.control("a1").text, "");
    EXPECT_EQ(form.control("atot").text, "5");
}

TEST_F(InputForm, LayerCountSwitchesLayersOnAndOff) {
    load();
    form.choose("strati", "N° 4 Strati barre");
    EXPECT_TRUE(form.usable("ta4"));
    EXPECT_EQ(form.control("ta2").back, rgb(192, 192, 255));
    EXPECT_EQ(form.control("td4").back, rgb(255, 192, 255));
    for (const char* name : {"ta1", "ta2", "ta3", "ta4"}) enter(name, "3");
    enter("td2", "10");
    form.choose("n3a1", "2");
    form.choose("f3a1", "12");
    form.choose("n4a1", "2");

    form.choose("strati", "N° 2 Strati barre");
    EXPECT_EQ(form.control("ta2").text, "3");
    EXPECT_EQ(form.control("td2").text, "10");
    EXPECT_EQ(form.control("ta3").text, "");
    EXPECT_EQ(form.control("ta4").text, "");
    EXPECT_EQ(form.control("n3a1").text, "");
    EXPECT_EQ(form.control("A13").text, "");
    EXPECT_FALSE(form.usable("ta3"));
    EXPECT_FALSE(form.usable("n3a1"));
    EXPECT_EQ(form.control("ta3").back, form.control("s1").back);
    EXPECT_FALSE(form.choose("strati", "N° 5 Strati barre"));
}

TEST_F(InputForm, OpeningALayerTabRaisesTheCount) {
    load();
    form.show_tab(1);
    EXPECT_EQ(form.control("strati").text, "N° 1 Strati barre");
    form.show_tab(3);
    EXPECT_EQ(form.control("strati").text, "N° 3 Strati barre");
    EXPECT_TRUE(form.usable("ta2"));
    EXPECT_TRUE(form.usable("ta3"));
    EXPECT_FALSE(form.usable("ta4"));
    form.show_tab(2);
    EXPECT_EQ(form.control("strati").text, "N° 3 Strati barre");
    form.click("Command5");
    EXPECT_EQ(form.control("SSTab1").value, 0);
    form.double_click("ta2");
    EXPECT_EQ(form.control("SSTab1").value, 2);
    form.Form_Activate();
    EXPECT_EQ(form.control("SSTab1").value, 0);
}

TEST_F(InputForm, SeparatorCannotStayAsADepth) {
    load();
    form.choose("strati", "N° 2 Strati barre");
    enter("td2", "-----");
    EXPECT_EQ(form.control("td2").text, "");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(InputForm, StirrupAreaPerMetre) {
    load();
    enter("nbr", "2");
    enter("dst", "8");
    enter("passo", "20");
    EXPECT_EQ(form.control("ast").text, "5,03");
    enter("passo", "0,5");
    EXPECT_EQ(form.control("passo").text, "");
    EXPECT_EQ(form.control("ast").text, "");  // left with a field empty
    enter("passo", "10");
    EXPECT_EQ(form.control("ast").text, "10,05");
    enter("dst", "");
    EXPECT_EQ(form.control("ast").text, "");
}

TEST_F(InputForm, ShearSwitchTurnsTheStirrupsOffAndOn) {
    load();
    enter("nbr", "2");
    analysis.results.lvrd3.text = "220,46";
    form.click("Check5");
    EXPECT_EQ(form.control("Check5").value, 0);
    EXPECT_EQ(form.control("nbr").text, "");
    EXPECT_EQ(form.control("TVS").text, "");
    EXPECT_FALSE(form.usable("nbr"));
    EXPECT_FALSE(form.usable("TVS"));
    EXPECT_EQ(form.control("TVS").back, form.control("s1").back);
    EXPECT_FALSE(analysis.board.Frame3.visible);
    form.click("Check5");
    EXPECT_EQ(form.control("TVS").text, "0");
    EXPECT_EQ(form.control("TVS").back, colours::white);
    EXPECT_TRUE(form.usable("nbr"));
    EXPECT_TRUE(analysis.board.Frame3.visible);
    EXPECT_EQ(analysis.results.lvrd3.text, "");
}

TEST_F(InputForm, DesignActionsOnLeaving) {
    load();
    const struct { const char* typed; const char* left; } cases[] = {
        {"12.5", "12,5"}, {"150,75", "150,75"}, {"1.000,5", "1000,5"}, {"1e3", "1000"}, {"", "0"}, {"-3", "-3"},
    };
    for (const auto& c : cases) {
        enter("TMS", c.typed);
        EXPECT_EQ(form.control("TMS").text, c.left) << c.typed;
    }
    EXPECT_TRUE(prompter.shown.empty());
    enter("TVS", "x");
    EXPECT_EQ(last_message(), "Errore di sintassi: x");
    EXPECT_EQ(form.control("TVS").text, "0");
    EXPECT_EQ(form.control("TMS").text, "-3");
}

TEST_F(InputForm, SlidersSetTheirReadOuts) {
    load();
    EXPECT_TRUE(form.move_slider("sl1", 25));
    EXPECT_EQ(form.control("rettang").text, "2,5");
    EXPECT_TRUE(form.move_slider("sl2", 7));
    EXPECT_EQ(form.control("toller").text, "7");
    EXPECT_FALSE(form.move_slider("sl1", 41));
    EXPECT_FALSE(form.move_slider("sl2", 0));
    EXPECT_TRUE(form.salvaconnome);
}

TEST_F(InputForm, MaterialListClickReadsTheLabels) {
    ASSERT_TRUE(write_lines(steel_folder() / "FeB 38 k", {"375", "1,15", "373.9", "206000", "1,6", "12"}));
    ASSERT_TRUE(write_lines(concrete_folder() / "C 30-37",
                            {"37", "30", "1,6", "18,75", "0,85", "15,94", "3,5", "0,30", "extra", "extra"}));
    ASSERT_TRUE(write_lines(concrete_folder() / "short", {"37", "30"}));
    load();
    EXPECT_EQ(form.control("File2").items, (Items{"C 30-37", "short"}));
    form.choose("File1", "FeB 38 k");
    EXPECT_EQ(form.control("stl1").text, "FeB 38 k");
    EXPECT_EQ(form.control("stl4").text, "373.9");
    EXPECT_EQ(form.control("stl7").text, "12");
    form.choose("File2", "C 30-37");
    EXPECT_EQ(form.control("con1").text, "C 30-37");
    EXPECT_EQ(form.control("con9").text, "0,30");
    EXPECT_TRUE(form.salvaconnome);

    form.choose("File2", "short");
    EXPECT_EQ(last_message(), "Impossibile leggere il materiale short: il file manca o ha meno di 8 righe");
    EXPECT_EQ(prompter.shown.back().title, "Errore");
    EXPECT_EQ(form.control("con1").text, "C 30-37");
    EXPECT_EQ(form.control("con2").text, "37");

    std::filesystem::remove(steel_folder() / "FeB 38 k");
    form.choose("File1", "FeB 38 k");
    EXPECT_EQ(last_message(), "Impossibile leggere il materiale FeB 38 k: il file manca o ha meno di 6 righe");
    EXPECT_EQ(form.control("stl4").text, "373.9");
    form.leave("File1");
    EXPECT_TRUE(form.control("File1").items.empty());
    EXPECT_FALSE(form.choose("File1", "FeB 38 k"));
}

TEST_F(InputForm, TitleAndEveryInputMarkTheProjectChanged) {
    load();
    title.type_title("Trave 1");
    EXPECT_TRUE(form.salvaconnome);
    form.salvaconnome = false;
    form.choose("strati", "N° 2 Strati barre");
    EXPECT_TRUE(form.salvaconnome);
    form.salvaconnome = false;
    form.Check1_Click();
    EXPECT_TRUE(form.salvaconnome);
    title.Text1_MouseDown();
    EXPECT_EQ(title.sel_length(), 32000);
}

TEST_F(InputForm, CalculateRunsTheAnalysisOnTheFields) {
    load();
    for (const auto& [name, text] : {std::pair{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"},
                                     {"TMS", "100"}, {"TVS", "100"}, {"nbr", "2"}, {"dst", "8"}, {"passo", "10"}})
        enter(name, text);
    EXPECT_EQ(form.control("ast").text, "10,05");
    form.Command1_MouseDown();
    EXPECT_TRUE(analysis.board.sf.visible);
    form.Command1_MouseUp();
    EXPECT_FALSE(analysis.board.sf.visible);
    form.click("Command1");
    EXPECT_TRUE(prompter.shown.empty()) << last_message();
    EXPECT_EQ(analysis.results.lx.text, "11,15");
    EXPECT_EQ(analysis.results.lvrd3.text, "220,46");
    EXPECT_EQ(form.mouse_pointer, default_pointer);

    enter("td1", "");
    form.click("Command1");
    EXPECT_EQ(last_message(), "Controllare dati Armature Longitudinali");
    EXPECT_EQ(form.control("Command1").back, colours::light_grey);
}

TEST_F(InputForm, PointerHelpTexts) {
    load();
    form.pointer_over("Command1");
    EXPECT_EQ(help.text(), "Clikkare solo dopo aver inserito tutti i dati richiesti");
    form.pointer_over("frameSteelProperties");
    EXPECT_EQ(help.text(), "Caratteristiche Acciaio selezionato");
    form.pointer_over("nothing here");
    EXPECT_EQ(help.text(), "Caratteristiche Acciaio selezionato");
}

}  // namespace
}  // namespace norvexa
