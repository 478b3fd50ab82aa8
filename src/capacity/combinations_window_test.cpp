#include "capacity/combinations_window.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/analysis_results.h"
#include "capacity/combinations_report.h"
#include "common/line_file.h"
#include "common/numbers.h"
#include "project_fixture.h"

namespace norvexa::capacity {
namespace {

using enum Column;

class CombinationsTable : public testing::Test, public ProjectSession {
  protected:
    CombinationsTable() {
        enter_worked_example(form);
        form.salvaconnome = false;
        window.open();
    }
    // Every typed cell, row by row, joined by "|".
    std::vector<std::string> table() const {
        std::vector<std::string> rows;
        for (int row = 0; row < window.row_count(); ++row) {
            std::string line;
            for (Column column : {name, NEd, MEd, VEd})
                line += (line.empty() ? "" : "|") + window.cell(row, column);
            rows.push_back(line);
        }
        return rows;
    }
    void add(const std::string& pasted) { ASSERT_TRUE(window.paste(window.row_count(), name, pasted)); }

    CombinationsWindow& window = program.pressoflessione;
};

TEST_F(CombinationsTable, RowsComeAndGoByTheButtonsAndByPaste) {
    struct Step {
        const char* what;
        std::function<void(CombinationsWindow&)> act;
        std::vector<std::string> rows;
        int selected;
    };
    const std::vector<Step> steps = {
        {"add", [](auto& w) { w.click("Aggiungi"); }, {"C1|0|0|"}, 0},
        {"add again", [](auto& w) { w.click("Aggiungi"); }, {"C1|0|0|", "C2|0|0|"}, 1},
        {"type", [](auto& w) { w.type_cell(0, NEd, "150,5"); }, {"C1|150,5|0|", "C2|0|0|"}, 1},
        {"select and duplicate", [](auto& w) { w.select(0); w.click("Duplica"); },
         {"C1|150,5|0|", "C1|150,5|0|", "C2|0|0|"}, 1},
        {"remove the copy", [](auto& w) { w.click("Elimina"); }, {"C1|150,5|0|", "C2|0|0|"}, 1},
        {"paste over and past the end", [](auto& w) { w.paste(1, NEd, "10\t-20,5\t30\r\n-5\t7\n"); },
         {"C1|150,5|0|", "C2|10|-20,5|30", "C3|-5|7|"}, 1},
        {"paste names and numbers", [](auto& w) { w.paste(0, name, "SLU 1\t1.000,5\t2"); },
         {"SLU 1|1000,5|2|", "C2|10|-20,5|30", "C3|-5|7|"}, 1},
        {"remove the last", [](auto& w) { w.select(2); w.click("Elimina"); },
         {"SLU 1|1000,5|2|", "C2|10|-20,5|30"}, 1},
        {"a name already taken is skipped", [](auto& w) { w.type_cell(0, name, "C3"); w.click("Aggiungi"); },
         {"C3|1000,5|2|", "C2|10|-20,5|30", "C4|0|0|"}, 2},
    };
    for (const Step& step : steps) {
        step.act(window);
        EXPECT_EQ(table(), step.rows) << step.what;
        EXPECT_EQ(window.selected(), step.selected) << step.what;
        EXPECT_EQ(program.combinations.rows.size(), step.rows.size()) << step.what;
    }
    EXPECT_TRUE(form.salvaconnome);
}

TEST_F(CombinationsTable, RelazioneSavesTheReportAsTextOrRichTextByItsName) {
    add("SLU 1\t150\t120");
    window.click("Calcola");
    const std::vector<std::string> report = combinations_report_lines(window);
    files.answer_next(std::nullopt);
    window.click("Relazione");  // cancelled: nothing written
    for (const char* name : {"verifica.TXT", "verifica.rtf"}) {
        files.answer_next(file(name).string());
        window.click("Relazione");
    }
    EXPECT_EQ(read_lines(file("verifica.TXT")), report);
    std::ifstream rich(file("verifica.rtf"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(rich)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(bytes.find("PRESSOFLESSIONE"), std::string::npos);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(CombinationsTable, RefusedTextsAreNamedAndTheCellKeepsItsValue) {
    add("C1\t100\t50\t20");
    struct Typed {
        Column column;
        const char* text;
        bool accepted;
        const char* shown;
        const char* message;
    };
    const Typed cases[] = {
        {NEd, "12.5", true, "125", ""},  // the point groups digits, as in every field
        {NEd, "-3,25", true, "-3,25", ""},
        {NEd, "12,5 kN", false, "-3,25", "Errore di sintassi: 12,5 kN"},
        {NEd, "", true, "0", ""},
        {MEd, "abc", false, "50", "Errore di sintassi: abc"},
        {MEd, "1e2", true, "100", ""},
        {VEd, "", true, "", ""},
        {VEd, "7,5", true, "7,5", ""},
        {VEd, "7,5,5", false, "7,5", "Errore di sintassi: 7,5,5"},
        {name, "SLV; x", false, "C1", "Il nome di una combinazione non può contenere il carattere ';': SLV; x"},
        {name, "SLE rara", true, "SLE rara", ""},
    };
    for (const Typed& typed : cases) {
        prompter.shown.clear();
        EXPECT_EQ(window.type_cell(0, typed.column, typed.text), typed.accepted) << typed.text;
        EXPECT_EQ(window.cell(0, typed.column), typed.shown) << typed.text;
        const std::string message = prompter.shown.empty() ? "" : prompter.shown.back().text;
        EXPECT_EQ(message, typed.message) << typed.text;
    }

    // A paste with one refused text changes nothing and names it.
    prompter.shown.clear();
    const auto before = table();
    EXPECT_FALSE(window.paste(0, NEd, "1\t2\n3\tdue\n"));
    EXPECT_EQ(table(), before);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Errore di sintassi: due");
}

// Under the D.M. 9/1/96 a row with NEd 0 has the analysis's own shear, and NEd adds
// 0,15 · σcp · bw · d; under the NTC 2018 the strut inclination is chosen or balanced and
// the detailing rules follow the moment signs of the rows (no top steel for a hogging one).
TEST_F(CombinationsTable, EachRowsShearUnderEitherCodeAndTheDetailingRules) {
    add("SLU\t0\t50\t100\nN\t300\t50\t100\nForte\t0\t50\t900\nNeg\t0\t-20\nPoco\t0\t10\t20\n");
    window.choose("norma", "D.M. 9/1/96");
    window.click("Calcola");
    ASSERT_TRUE(prompter.shown.empty()) << prompter.shown[0].text;
    EXPECT_EQ(window.column_title(VRd_c), "Vrd1 [kN]");
    const std::vector<std::string> analysis{"64,89", "155,57", "558,11", "30", "220,46", "verificato"};
    std::vector<std::string> first;
    for (Column c : {VRd_c, VRsd, VRcd, cot_theta, VRd, shear_verdict}) first.push_back(window.cell(0, c));
    EXPECT_EQ(first, analysis);
    EXPECT_EQ(window.cell(1, VRd_c), "106,29");
    EXPECT_EQ(window.cell(2, shear_verdict), "non verificato");
    EXPECT_EQ(window.cell(3, shear_verdict), "");
    EXPECT_TRUE(window.detailing_lines().empty());
    EXPECT_FALSE(window.control("cot").enabled);

    window.choose("norma", "NTC 2018");
    window.choose("cot", "3");
    EXPECT_EQ(window.control("cot").text, "automatico");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "ctgθ deve essere «automatico» o un numero da 1 a 2,5");
    window.click("Calcola");
    EXPECT_EQ(window.column_title(VRd_c), "VRd,c [kN]");
    EXPECT_EQ(window.cell(0, shear_verdict), "verificato");
    EXPECT_EQ(window.cell(2, shear_verdict), "non verificato");
    EXPECT_EQ(window.shear_colour(2), colours::red);
    EXPECT_EQ(window.cell(4, shear_verdict), "verificato, staffe minime");
    // φ8 at 10 cm balance stirrups and struts inside the range.
    const double balanced = locale_double(window.cell(0, cot_theta)).value_or(0);
    EXPECT_GT(balanced, 1);
    EXPECT_LT(balanced, 2.5);
    EXPECT_EQ(window.cell(0, VRsd), window.cell(0, VRcd));
    const auto rules = window.detailing_lines();
    ASSERT_EQ(rules.size(), 7u);
    EXPECT_EQ(rules[1].substr(0, rules[1].find(':')), "Armatura tesa minima (superiore)");
    EXPECT_EQ(rules[1].substr(rules[1].size() - 3), "✘");

    ASSERT_TRUE(window.choose("cot", "2,5"));
    EXPECT_TRUE(window.results_outdated());
    window.click("Calcola");
    EXPECT_EQ(window.cell(0, cot_theta), "2,5");
}

class CombinationsVerified : public CombinationsTable {
  protected:
    CombinationsVerified() {
        add("C1\t0\t50\nC2\t200\t-400\nC3\t5000\t10\n");
        form.salvaconnome = false;
        window.click("Calcola");
    }
};

TEST_F(CombinationsVerified, EachRowHasItsVerdictAndTheGoverningRowIsMarked) {
    ASSERT_TRUE(prompter.shown.empty()) << prompter.shown[0].text;
    ASSERT_NE(window.run(), nullptr);
    EXPECT_FALSE(window.results_outdated());
    const char* verdicts[] = {"verificata", "non verificata", "fuori dominio"};
    for (int row = 0; row < 3; ++row) EXPECT_EQ(window.cell(row, verdict), verdicts[row]) << row;
    EXPECT_EQ(window.verdict_colour(0), rgb(0, 128, 0));
    EXPECT_EQ(window.verdict_colour(2), colours::red);
    EXPECT_FALSE(window.cell(0, MRd).empty());
    EXPECT_EQ(window.cell(1, MRd).front(), '-') << "a hogging moment is resisted by a hogging MRd";
    EXPECT_TRUE(window.cell(2, MRd).empty());
    // Outside the domain governs; without it the largest utilisation does.
    EXPECT_EQ(window.governing(), 2);
    window.select(2);
    window.click("Elimina");
    window.click("Calcola");
    EXPECT_EQ(window.governing(), 1);
    EXPECT_GT(locale_double(window.cell(1, ratio)).value_or(0), 1.0);
}

TEST_F(CombinationsVerified, ResultsAreNotCurrentOnceTheirInputsChange) {
    struct Change {
        const char* what;
        std::function<void(ProjectSession&, CombinationsWindow&)> act;
        int modifies_project;  // -1: either way
    };
    const std::vector<Change> changes = {
        {"a size of the section", [](auto& p, auto&) { p.enter("th", "60"); }, 1},
        {"a layer", [](auto& p, auto&) { p.enter("ta1", "12"); }, 1},
        {"the concrete as the form shows it",
         [](auto& p, auto&) { p.form.set_text(p.form.control("con7"), "11"); }, -1},
        {"the code", [](auto&, auto& w) { w.choose("norma", "D.M. 9/1/96"); }, 1},
        {"a row", [](auto&, auto& w) { w.type_cell(0, MEd, "60"); }, 1},
        {"a row added", [](auto&, auto& w) { w.click("Aggiungi"); }, 1},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        form.salvaconnome = false;
        window.click("Calcola");
        ASSERT_FALSE(window.results_outdated()) << change.what;
        ASSERT_FALSE(window.control("lblOutdated").visible);
        change.act(*this, window);
        EXPECT_TRUE(window.results_outdated()) << change.what;
        EXPECT_TRUE(window.control("lblOutdated").visible) << change.what;
        if (change.modifies_project >= 0) {
            EXPECT_EQ(form.salvaconnome, change.modifies_project == 1) << change.what;
        }
    }
    // A row typed anew shows no result until the next calculation, the others keep theirs;
    // typed back as it was, the results are current again. Selecting changes nothing.
    window.click("Calcola");
    const std::string was = window.cell(0, MEd);
    window.type_cell(0, MEd, "70");
    EXPECT_TRUE(window.results_outdated());
    EXPECT_EQ(window.cell(0, verdict), "");
    EXPECT_NE(window.cell(1, verdict), "");
    window.type_cell(0, MEd, was);
    EXPECT_FALSE(window.results_outdated());
    form.salvaconnome = false;
    window.select(1);
    EXPECT_FALSE(form.salvaconnome);

    // A calculation that stops keeps the results, marked not current.
    enter("tb", "");
    window.click("Calcola");
    EXPECT_FALSE(prompter.shown.empty());
    EXPECT_NE(window.run(), nullptr);
    EXPECT_TRUE(window.results_outdated());
}

TEST_F(CombinationsVerified, F9CalculatesTheOpenWindowToo) {
    window.type_cell(0, MEd, "60");
    program.recalculate();
    EXPECT_FALSE(window.results_outdated());
    window.close();
    window.type_cell(0, MEd, "65");
    program.recalculate();
    EXPECT_TRUE(window.results_outdated());
}

TEST_F(CombinationsVerified, TheReportListsTheDesignValuesEveryRowAndTheGoverningOne) {
    const auto lines = combinations_report_lines(window);
    const auto has = [&](const std::string& start) {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
    };
    EXPECT_EQ(lines[1], "VERIFICA A PRESSOFLESSIONE");
    EXPECT_TRUE(has("Normativa: NTC 2018"));
    EXPECT_TRUE(has("Calcestruzzo: fcd=N/mmq 14,17  Epsilon c2=%° 2  Epsilon cu=%° 3,5  n=2"));
    EXPECT_TRUE(has("Acciaio: fyd=N/mmq 373,91"));
    EXPECT_TRUE(has("3   C3            5000     10"));
    EXPECT_TRUE(has("Combinazione determinante: 3 C3 (fuori dominio)"));

    window.type_cell(0, MEd, "60");
    EXPECT_EQ(combinations_report_lines(window)[1], outdated_results_notice);
}

}  // namespace
}  // namespace norvexa::capacity

namespace norvexa::capacity {
namespace {

// Service rows of the three kinds beside an ultimate one: their checks in their own table,
// the diameter typed where the layer has no bar list, the limits of the environment, the
// settings refused when they are no positive numbers, and the report's service section.
TEST_F(CombinationsTable, ServiceRowsHaveTheirOwnChecksAndSettings) {
    add("SLU\t0\t120\nRara\t0\t80\t\tRARA\nFreq\t0\t80\t\tfrequente\nQp\t0\t40\n");
    ASSERT_TRUE(window.type_cell(3, kind, "quasi permanente"));
    prompter.shown.clear();
    EXPECT_FALSE(window.type_cell(3, kind, "sismica"));
    EXPECT_EQ(prompter.shown.at(0).text,
              "Il tipo della combinazione deve essere SLU, caratteristica (rara), frequente o quasi permanente: sismica");
    EXPECT_EQ(window.service_rows(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(window.cell(1, kind), "caratteristica (rara)");

    prompter.shown.clear();
    window.click("Calcola");
    ASSERT_TRUE(prompter.shown.empty()) << prompter.shown[0].text;
    EXPECT_EQ(window.governing(), 0);
    EXPECT_EQ(window.cell(1, verdict), "");
    EXPECT_NE(window.service_cell(1, ServiceColumn::sigma_c).find(" ≤ 15 ✔"), std::string::npos);
    EXPECT_EQ(window.service_cell(1, ServiceColumn::wk), "");  // no width limit on a characteristic row
    EXPECT_EQ(window.service_cell(2, ServiceColumn::verdict), "manca il diametro delle barre dello strato 1");
    EXPECT_EQ(window.service_colour(2), colours::red);

    const struct {
        const char* control;
        const char* text;
        const char* message;  // empty when taken
        const char* shown;
    } settings[] = {
        {"omog", "0", "n deve essere un numero da 1 a 100", "15"},
        {"kt", "1,5", "kt deve essere un numero maggiore di 0 e fino a 1", "0,4"},
        {"kt", "0.6", "kt deve essere un numero maggiore di 0 e fino a 1", "0,4"},  // the point groups digits
        {"kt", "0,6", "", "0,6"},
        {"kt", "0,4", "", "0,4"},
        {"fi1", "venti", "φ1 deve essere vuoto o un diametro maggiore di 0 e fino a 100 mm", ""},
        {"fi1", "20", "", "20"},
        {"cop1", "-1", "c1 deve essere vuoto o un copriferro maggiore di 0 e fino a 100 cm", ""},
    };
    for (const auto& s : settings) {
        prompter.shown.clear();
        ASSERT_TRUE(window.type(s.control, s.text));
        window.leave(s.control);
        EXPECT_EQ(prompter.shown.empty() ? "" : prompter.shown[0].text, std::string(s.message)) << s.text;
        EXPECT_EQ(window.control(s.control).text, s.shown) << s.text;
    }
    EXPECT_EQ(program.combinations.service.diameter[0], 20.0);
    window.click("Calcola");
    const std::string ordinary = window.service_cell(2, ServiceColumn::wk);
    EXPECT_NE(ordinary.find(" ≤ 0,4 ✔"), std::string::npos) << ordinary;
    EXPECT_EQ(window.service_cell(2, ServiceColumn::cracking).rfind(": fessurata"),
              window.service_cell(2, ServiceColumn::cracking).size() - 11);
    EXPECT_EQ(window.service_cell(3, ServiceColumn::verdict), "verificata");
    ASSERT_TRUE(window.choose("ambiente", "molto aggressivo"));
    window.click("Calcola");
    EXPECT_NE(window.service_cell(2, ServiceColumn::wk).find(" 0,2 "), std::string::npos);

    const auto lines = combinations_report_lines(window);
    const auto at = std::find(lines.begin(), lines.end(), "Verifiche in esercizio (NTC 2018, par. 4.1.2.2):");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(at[1], "2 Rara (caratteristica (rara)): NEd= KN 0  MEd= KNm 80");
    EXPECT_EQ(at[2].find("    sigma c N/mmq "), 0u) << at[2];

    EXPECT_TRUE(window.control("fi1").enabled);
    EXPECT_FALSE(window.control("fi2").enabled);  // the example has one layer
    form.choose("strati", "N° 2 Strati barre");
    EXPECT_TRUE(window.control("cop2").enabled);
    form.choose("strati", "N° 1 Strati barre");
    window.choose("norma", "D.M. 9/1/96");
    EXPECT_FALSE(window.control("ambiente").enabled);
    window.click("Calcola");
    EXPECT_EQ(window.service_cell(1, ServiceColumn::verdict), "verifiche in esercizio solo con NTC 2018");
}

}  // namespace
}  // namespace norvexa::capacity
