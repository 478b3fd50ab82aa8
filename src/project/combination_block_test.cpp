#include "project/combination_block.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "project_fixture.h"

namespace norvexa {
namespace {

using capacity::Code;
using capacity::Combination;
using capacity::CombinationSet;
using Lines = std::vector<std::string>;

const CombinationSet three{Code::dm96,
                           {{"SLU 1", 250, 120.5, 80.0}, {"SLU 2", -35.25, -60, std::nullopt}, {"Sisma; x", 0, 1e3, 0.0}},
                           std::nullopt, {}};

class CombinationBlock : public testing::Test, public ProjectSession {
  protected:
    CombinationBlock() { enter("tb", "30"); }

    std::filesystem::path save(const char* name = "trave.nvx") {
        files.answer_next(file(name).string());
        EXPECT_TRUE(commands.salva_con_nome());
        return file(name);
    }
    Lines saved_lines() {
        const auto lines = read_lines(save());
        return lines ? *lines : Lines{};
    }
    CombinationSet& combinations = program.combinations;
};

TEST_F(CombinationBlock, FollowsTheFiftyOneLinesOnlyWhenThereAreCombinations) {
    combinations.code = Code::dm96;
    const std::string plain = file_bytes(save("senza.nvx"));
    EXPECT_EQ(std::count(plain.begin(), plain.end(), '\n'), 51);

    combinations = three;
    const Lines lines = saved_lines();
    ASSERT_EQ(lines.size(), 56u);
    EXPECT_EQ(Lines(lines.begin() + 51, lines.end()),
              (Lines{"[VERIFICHE]", "dm96", "SLU 1;250;120,5;80", "SLU 2;-35,25;-60;", "Sisma; x;0;1000;0"}));
    EXPECT_EQ(file_bytes(file("trave.nvx")).substr(0, plain.size()), plain);
    EXPECT_FALSE(form.salvaconnome);

    // A chosen strut inclination rides on the code's line and comes back.
    combinations.cot_theta = 2.5;
    EXPECT_EQ(saved_lines()[52], "dm96;2,5");
    const CombinationSet chosen = combinations;
    combinations = {};
    ASSERT_TRUE(commands.open_project(file("trave.nvx")));
    EXPECT_EQ(combinations, chosen);

    // A service row ends with its kind; service settings other than the usual ones have a
    // line of their own, kept without rows too, as a chosen strut inclination is.
    combinations.rows[0].kind = capacity::Kind::quasi_permanent;
    combinations.service.environment = capacity::Environment::aggressive;
    combinations.service.diameter[1] = 20;
    combinations.service.cover[3] = 3.5;
    for (const std::size_t rows : {3, 0}) {
        combinations.rows.resize(rows);
        const Lines lines = saved_lines();
        ASSERT_EQ(lines.size(), 54 + rows);
        EXPECT_EQ(lines[53], "SLE;aggressivo;15;0,4;;;20;;;;;3,5");
        if (rows) {
            EXPECT_EQ(lines[54], "SLU 1;250;120,5;80;QP");
        }
        const CombinationSet stored = combinations;
        combinations = {};
        ASSERT_TRUE(commands.open_project(file("trave.nvx")));
        EXPECT_EQ(combinations, stored);
    }
    // A first row named SLE is a row.
    Lines first_sle = saved_lines();
    first_sle.resize(53);
    first_sle.push_back("SLE;0;100;");
    ASSERT_TRUE(write_lines(file("sle.nvx"), first_sle));
    ASSERT_TRUE(commands.open_project(file("sle.nvx")));
    EXPECT_EQ(combinations.rows, (std::vector<Combination>{{"SLE", 0, 100, std::nullopt}}));
    EXPECT_EQ(combinations.service, capacity::ServiceSettings{});
}

TEST_F(CombinationBlock, NewEmptiesThemAndOpenReplacesThem) {
    combinations = three;
    const auto with = save("con.nvx");
    combinations = {};
    const auto without = save("senza.nvx");

    combinations = three;
    commands.nuovo();
    EXPECT_EQ(combinations, CombinationSet{});
    ASSERT_TRUE(commands.open_project(with));
    EXPECT_EQ(combinations, three);
    ASSERT_TRUE(commands.open_project(without));
    EXPECT_EQ(combinations, CombinationSet{});
    EXPECT_TRUE(prompter.shown.empty());
}

// Lines after the 51 that do not begin with the marker are ignored, as they always were.
TEST_F(CombinationBlock, WithoutTheMarkerTheLinesAfterTheFiftyFirstAreIgnored) {
    const Lines head = saved_lines();
    for (const Lines& tail : {Lines(9, "rubbish"), Lines{"[verifiche]", "dm96", "C1;1;2;"}, Lines{"", "[VERIFICHE]"}}) {
        Lines lines = head;
        lines.insert(lines.end(), tail.begin(), tail.end());
        ASSERT_TRUE(write_lines(file("lungo.nvx"), lines));
        combinations = three;
        EXPECT_TRUE(commands.open_project(file("lungo.nvx"))) << tail.front();
        EXPECT_EQ(combinations, CombinationSet{}) << tail.front();
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(CombinationBlock, ADamagedBlockIsNamedAndTheProjectOpensWithoutIt) {
    const Lines head = saved_lines();
    const struct {
        Lines tail;
        const char* message;
    } cases[] = {
        {{"[VERIFICHE]"}, "Riga 53 non valida nel blocco delle verifiche: «»"},
        {{"[VERIFICHE]", "ec2", "C1;1;2;"}, "Riga 53 non valida nel blocco delle verifiche: «ec2»"},
        {{"[VERIFICHE]", "ntc2018;3", "C1;1;2;"}, "Riga 53 non valida nel blocco delle verifiche: «ntc2018;3»"},
        {{"[VERIFICHE]", "ntc2018", "C1;1;2;", "C2;uno;2;"},
         "Riga 55 non valida nel blocco delle verifiche: «C2;uno;2;»"},
        {{"[VERIFICHE]", "dm96", "", "C1;1;2;tre", "C2;1;2;"},
         "Riga 55 non valida nel blocco delle verifiche: «C1;1;2;tre»"},
    };
    for (const auto& c : cases) {
        Lines lines = head;
        lines.insert(lines.end(), c.tail.begin(), c.tail.end());
        ASSERT_TRUE(write_lines(file("guasto.nvx"), lines));
        const std::string stored = file_bytes(file("guasto.nvx"));
        combinations = three;
        prompter.shown.clear();
        ASSERT_TRUE(commands.open_project(file("guasto.nvx"))) << c.message;
        EXPECT_EQ(prompter.shown, (std::vector<Message>{{c.message, Icon::warning, Buttons::ok, "Attenzione"}}));
        EXPECT_EQ(combinations, CombinationSet{});
        EXPECT_EQ(form.control("tb").text, "30");
        EXPECT_EQ(commands.title_bar, "guasto.nvx");
        EXPECT_FALSE(form.salvaconnome);
        EXPECT_EQ(file_bytes(file("guasto.nvx")), stored);
    }
}

TEST_F(CombinationBlock, ANameTheFileCannotHoldIsSavedOnlyWhenTheUserAgrees) {
    combinations = three;
    combinations.rows[1].name = "Sisma γ";
    files.answer_next(file("trave.nvx").string());
    prompter.answer_next(Answer::no);
    EXPECT_FALSE(commands.salva_con_nome());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "Il nome della combinazione 2 contiene il carattere «γ» (U+03B3), che il file di progetto non può "
              "contenere: sarà salvato come «?». Salvare comunque?");
    EXPECT_FALSE(std::filesystem::exists(file("trave.nvx")));
}

}  // namespace
}  // namespace norvexa
