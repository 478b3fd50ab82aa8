#include "report/report_text.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "project_fixture.h"

namespace norvexa {
namespace {

using Lines = std::vector<std::string>;

class ReportText : public testing::Test, public ProjectSession {
  protected:
    Lines run(std::initializer_list<std::pair<const char*, const char*>> fields, bool shear_shown = true) {
        for (const auto& [name, text] : fields) enter(name, text);
        form.Command1_Click();
        return report_lines({title.text(), analysis.input, analysis.results, {"n°2Ø16", "", "", ""}, shear_shown});
    }
};

TEST_F(ReportText, WorkedExample) {
    title.type_title("Trave 1");
    const auto lines = run({{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"}, {"TMS", "100"},
                            {"TVS", "100"}, {"nbr", "2"}, {"dst", "8"}, {"passo", "10"}});
    ASSERT_EQ(lines.size(), 75u - 6);
    const std::pair<std::size_t, const char*> expected[] = {
        {2, "Trave 1"},
        {21, "Calcestruzzo C 25-30;  Resistenza cilindrica di calcolo: fcd*=13,28"},
        {22, "Acciaio Feb 44 K;  Tensione di snervamento di calcolo: fyd=373,9"},
        {27, "Sezione rettangolare"},
        {28, "Dimensioni: cm 30  x  cm 50"},
        {31, "As1: n°2Ø16; d1=cm 46"},
        {33, "STAFFE"},
        {42, "Epsilon As1=10%°      Sigma As1=N/mmq 373,9"},
        {45, "Epsilon Cls=3,2%°      Sigma Cls=N/mmq 13,3"},
        {47, "Asse neutro: x=cm 11,15"},
        {48, "d= 46"},
        {49, "x/d= 0,242 (Rottura lato Acciaio)"},
        {50, "Mrd= KNm 146,1 > 100    *****  Flessione verificata  *****"},
        {54, "VERIFICA TAGLIO"},
        {56, "Vrd1= KN 64,89         (Vrd1<Vsd: necessaria armatura taglio)"},
        {60, "Vrd3=(Vrd1+Vwd)= KN 220,46 > 100    *****  Taglio verificato  *****"},
        {62, "---------------------------------------------------------------------------"},
        {68, "Per informazioni: assistenza@norvexa.it    "},
    };
    for (const auto& [index, line] : expected) EXPECT_EQ(lines[index], line) << "line " << index + 1;

    // Hiding the shear frame drops exactly the ten lines of its block.
    auto without_shear = lines;
    without_shear.erase(without_shear.begin() + 53, without_shear.begin() + 63);
    EXPECT_EQ(report_lines({"Trave 1", analysis.input, analysis.results, {"n°2Ø16", "", "", ""}, false}), without_shear);
}

TEST_F(ReportText, TSection) {
    form.click("t");
    const auto lines = run({{"tb", "60"}, {"th", "15"}, {"tb2", "30"}, {"th2", "45"}, {"ta1", "9,42"},
                            {"td1", "55"}, {"TMS", "100"}, {"TVS", "100"}, {"nbr", "2"}, {"dst", "8"}, {"passo", "10"}});
    EXPECT_EQ(lines[27], "Sezione a T");
    EXPECT_EQ(lines[28], "Dimensioni: cm 60 x cm 15  /  Anima cm 30  x cm 45");
}

// Hand-made records: the report reads nothing but the record and the captions.
class ReportRecord : public testing::Test {
  protected:
    Lines report() const { return report_lines({"Trave", input, results, {"uno", "due", "tre", "quattro"}, false}); }
    AnalysisInput input;
    AnalysisResults results;
};

TEST_F(ReportRecord, BeforeAnyRunPrintsHeadingsWithEmptyValues) {
    const auto lines = report();
    ASSERT_EQ(lines.size(), 75u - 2 * 4 - 5 - 10);
    EXPECT_EQ(Lines(lines.begin() + 26, lines.begin() + 33),
              (Lines{"GEOMETRIA SEZIONE", "", "", "", "ARMATURE LONGITUDINALI", "", std::string(75, '-')}));
    EXPECT_EQ(lines[42], "x/d=  ()");
    EXPECT_EQ(lines[43], "Mrd= KNm       *****    *****");
}

TEST_F(ReportRecord, ZeroAreaLayersDropTheirLinesAndOthersKeepTheirNumbers) {
    input.a = {942, 0, 314, 0};
    input.D = {460, 400, 40, 20};
    results.Label50.text = "-1,2";
    results.Label54.text = "-240";
    const auto lines = report();
    EXPECT_EQ(Lines(lines.begin() + 31, lines.begin() + 33), (Lines{"As1: uno; d1=cm 46", "As3: tre; d3=cm 4"}));
    EXPECT_EQ(Lines(lines.begin() + 38, lines.begin() + 40),
              (Lines{"Epsilon As1=%°      Sigma As1=N/mmq ", "Epsilon As3=-1,2%°      Sigma As3=N/mmq -240"}));
    EXPECT_EQ(lines[40], "");
}

TEST_F(ReportRecord, StirrupBlockNeedsAllThreeTexts) {
    for (std::string* emptied : {&input.numerobraccia, &input.diametrostaffe, &input.passostaffe}) {
        input.numerobraccia = "2", input.diametrostaffe = "8", input.passostaffe = "10";
        const auto full = report();
        ASSERT_EQ(full.size(), 57u);
        EXPECT_EQ(Lines(full.begin() + 31, full.begin() + 37),
                  (Lines{"", "STAFFE", "Diametro: mm 8", "Braccia: N°2", "Passo: cm 10", ""}));
        emptied->clear();
        const auto lines = report();
        EXPECT_EQ(std::ranges::find(lines, "STAFFE"), lines.end());
        EXPECT_EQ(lines.size(), 52u);
    }
}

// Whole millimetres, halves to even, in centimetres; no 16-bit limit.
TEST_F(ReportRecord, SizesAndDepthsPrintInCentimetres) {
    const std::pair<float, std::string> cases[] = {
        {460, "46"}, {455, "45,5"}, {454.5f, "45,4"}, {455.5f, "45,6"}, {3, "0,3"}, {0.4f, ""}, {500000, "50000"},
    };
    input.a[0] = 100;
    for (const auto& [millimetres, text] : cases) {
        input.D[0] = input.b = input.h = millimetres;
        const auto lines = report();
        EXPECT_EQ(lines[31], "As1: uno; d1=cm " + text) << millimetres;
        EXPECT_EQ(lines[28], "Dimensioni: cm " + text + "  x  cm " + text) << millimetres;
    }
}

TEST_F(ReportRecord, SectionKindNeedsBothSizesOfItsPart) {
    struct Case { float b, h, b2, h2; const char* kind; } cases[] = {
        {600, 150, 300, 450, "Sezione a T"}, {600, 150, 300, 0, "Sezione rettangolare"},
        {0, 0, 300, 450, "Sezione a T"},     {600, 0, 0, 0, ""},
    };
    for (const auto& c : cases) {
        input.b = c.b, input.h = c.h, input.b2 = c.b2, input.h2 = c.h2;
        EXPECT_EQ(report()[27], c.kind) << c.b << " " << c.h << " " << c.b2 << " " << c.h2;
    }
}

}  // namespace
}  // namespace norvexa
