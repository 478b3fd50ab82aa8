#include "drawing/section_drawing.h"

#include <cmath>

#include <gtest/gtest.h>

#include "analysis/field_map.h"
#include "common/arithmetic_fault.h"
#include "drawing/analysis_window.h"

namespace norvexa {
namespace {

using Fields = std::vector<std::pair<const char*, const char*>>;

FieldMap form_with(const Fields& fields) {
    FieldMap form = FieldMap::with_start_values();
    for (const auto& [name, text] : fields) form.set_text(name, text);
    return form;
}

FieldMap tee_form(const Fields& fields) {
    FieldMap form = form_with(fields);
    form.set_value("rett", 0);
    form.set_value("t", 1);
    return form;
}

// The drawing alone, as a run that found the neutral axis at `depth` cm leaves it.
struct Drawing {
    explicit Drawing(FieldMap form) : form(std::move(form)) {}
    void draw(double depth = 10) {
        results.bending.emplace().neutral_axis = depth;
        disegnasezione(form, input, results, board, measure);
    }
    FieldMap form;
    AnalysisInput input;
    AnalysisResults results;
    Board board;
    FixedTextMeasure measure;
};

void expect_box(const BoardElement& e, float left, float top, float width, float height, const char* name) {
    EXPECT_FLOAT_EQ(e.left, left) << name;
    EXPECT_FLOAT_EQ(e.top, top) << name;
    EXPECT_FLOAT_EQ(e.width, width) << name;
    EXPECT_FLOAT_EQ(e.height, height) << name;
}

void expect_line(const BoardElement& e, float x1, float y1, float x2, float y2, const char* name) {
    EXPECT_FLOAT_EQ(e.x1, x1) << name;
    EXPECT_FLOAT_EQ(e.y1, y1) << name;
    EXPECT_FLOAT_EQ(e.x2, x2) << name;
    EXPECT_FLOAT_EQ(e.y2, y2) << name;
}

const Fields worked_example = {{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"}, {"TMS", "100"},
                               {"TVS", "100"}, {"nbr", "2"}, {"dst", "8"}, {"passo", "10"}, {"ast", "10,05"}};

TEST(SectionDrawing, WorkedRectangleThroughARun) {
    FieldMap form = form_with(worked_example);
    ScriptedPrompter prompter;
    AnalysisWindow window;
    window.variabili(form, prompter);
    ASSERT_TRUE(prompter.shown.empty());
    const Board& b = window.board;

    EXPECT_EQ(b.scala, 81);
    expect_box(b.corpo1, 2452.5f, 562.5f, 2430, 4050, "corpo1");
    EXPECT_TRUE(b.corpo1.visible && b.corpo1.border);
    EXPECT_FALSE(b.corpo2.visible);
    for (const auto& [name, e] : b.elements())
        if (e->kind == BoardElement::Kind::line && e != &b.linex) {
            EXPECT_FALSE(e->visible) << name;
        }
    EXPECT_TRUE(b.Label1.visible && b.Label2.visible);
    EXPECT_FALSE(b.Label3.visible || b.Label4.visible);
    EXPECT_EQ(b.Label1.text, "30");
    // Two characters of the fixed measure: 180 × 195, centred 25 above the top edge.
    expect_box(b.Label1, 2452.5f + 1215 - 90, 562.5f - 195 - 25, 180, 195, "Label1");
    expect_box(b.Label2, 2452.5f + 2430 + 50, 562.5f + 2025 - 97.5f, 180, 195, "Label2");

    // The axis at 11,15 cm, not 11: 903,15 units below the top edge, across the rectangle.
    const float axis = 562.5f + 81 * 11.15f;
    expect_line(b.linex, 2452.5f, axis, 4882.5f, axis, "linex");
    EXPECT_TRUE(b.linex.visible);
    expect_box(b.trat1, 2452.5f, 562.5f, 2430, axis - 562.5f, "trat1");
    EXPECT_TRUE(b.trat1.visible);
    EXPECT_FALSE(b.trat2.visible);

    // One circle of 9,42 cm²: 81 × √(1,273 × 9,42) ≈ 280,5 units, centred 3726 units down.
    EXPECT_NEAR(b.still1.width, 280.5, 0.05);
    EXPECT_FLOAT_EQ(b.still1.height, b.still1.width);
    EXPECT_FLOAT_EQ(b.still1.top + b.still1.height / 2, 562.5f + 3726);
    EXPECT_NEAR(3667.5 - b.still1.left, 140.25, 0.03);
    EXPECT_TRUE(b.still1.visible);
    EXPECT_FALSE(b.still2.visible || b.still3.visible || b.still4.visible);
    EXPECT_FLOAT_EQ(b.listar1.top, 562.5f + 3726);
    EXPECT_FLOAT_EQ(b.listar1.left, 3600);
    EXPECT_FALSE(b.listar1.visible);
    EXPECT_EQ(b.listar1.text, "(distinta ferri non definita) =cmq 9,42");
    EXPECT_EQ(b.Label5.tip, b.listar1.text);

    EXPECT_TRUE(b.Frame1.visible && b.fc.visible && b.Frame3.visible);
    EXPECT_TRUE(b.fas1.visible);
    EXPECT_FLOAT_EQ(b.fas1.top, 1080);
    EXPECT_FALSE(b.fas2.visible || b.fas3.visible || b.fas4.visible);
    EXPECT_EQ(window.results.vf.text, "Flessione verificata");
}

TEST(SectionDrawing, WorkedTeeSection) {
    Drawing d(tee_form({{"tb", "100"}, {"th", "20"}, {"tb2", "30"}, {"th2", "60"}, {"ta1", "20"}, {"td1", "75"}}));
    d.draw(10);
    const Board& b = d.board;
    EXPECT_EQ(b.scala, 40);
    expect_box(b.corpo1, 1667.5f, 987.5f, 4000, 800, "corpo1");
    expect_box(b.corpo2, 3067.5f, 1787.5f, 1200, 2400, "corpo2");
    EXPECT_FALSE(b.corpo1.border);
    expect_line(b.LB1, 1667.5f, 987.5f, 5667.5f, 987.5f, "LB1");
    expect_line(b.LB2, 3067.5f, 4187.5f, 4267.5f, 4187.5f, "LB2");
    expect_line(b.LH1S, 1667.5f, 987.5f, 1667.5f, 1792.5f, "LH1S");
    expect_line(b.LH1D, 5667.5f, 987.5f, 5667.5f, 1792.5f, "LH1D");
    expect_line(b.LB1S, 1667.5f, 1792.5f, 3067.5f, 1787.5f, "LB1S");
    expect_line(b.LB1D, 5667.5f, 1792.5f, 4267.5f, 1787.5f, "LB1D");
    expect_line(b.LH2S, 3067.5f, 1787.5f, 3067.5f, 4192.5f, "LH2S");
    expect_line(b.LH2D, 4267.5f, 1787.5f, 4267.5f, 4192.5f, "LH2D");
    for (const BoardElement* e : {&b.LB1, &b.LB2, &b.LH1S, &b.LH1D, &b.LB1S, &b.LB1D, &b.LH2S, &b.LH2D, &b.corpo2,
                                  &b.Label1, &b.Label2, &b.Label3, &b.Label4})
        EXPECT_TRUE(e->visible);
    // The web's width text starts on the centre line; its height text sits right of the web.
    EXPECT_FLOAT_EQ(b.Label3.left, 3667.5f);
    EXPECT_FLOAT_EQ(b.Label3.top, 4187.5f + 50);
    EXPECT_FLOAT_EQ(b.Label4.left, 4267.5f + 50);
    EXPECT_FLOAT_EQ(b.Label4.top, 1787.5f + 1200 - 97.5f);

    // Axis 10 cm down, within the flange.
    expect_line(b.linex, 1667.5f, 1387.5f, 5667.5f, 1387.5f, "linex");
    EXPECT_FLOAT_EQ(b.trat1.height, 400);
    EXPECT_FALSE(b.trat2.visible);

    // Exactly at the flange's lower edge the web's width wins and the web is not filled.
    d.draw(20);
    expect_line(b.linex, 3067.5f, 1787.5f, 4267.5f, 1787.5f, "linex at the edge");
    EXPECT_FLOAT_EQ(b.trat1.height, 800);
    EXPECT_FALSE(b.trat2.visible);

    d.draw(30);
    EXPECT_FLOAT_EQ(b.trat1.height, 800);
    expect_box(b.trat2, 3067.5f, 1787.5f, 1200, 400, "trat2");
    EXPECT_TRUE(b.trat1.visible && b.trat2.visible);
}

TEST(SectionDrawing, ScaleLimits) {
    const std::vector<std::pair<const char*, short>> widths = {{"30", 134}, {"3000", 1}, {"8068,5", 0}};
    for (const auto& [width, scala] : widths) {
        Drawing d(form_with({{"tb", width}, {"th", "10"}}));
        d.draw(1);
        EXPECT_EQ(d.board.scala, scala) << width;
    }
    Drawing tiny(form_with({{"tb", "0,1"}, {"th", "0,1"}}));
    EXPECT_THROW(tiny.draw(0.01), ArithmeticFault);
    EXPECT_EQ(tiny.board.scala, 0);
}

TEST(SectionDrawing, DegenerateSectionsHideTheBodyAndDrawNoBars) {
    Drawing d(tee_form({{"tb", "100"}, {"th", "20"}, {"tb2", "30"}, {"th2", "60"}, {"ta1", "20"}, {"td1", "75"}}));
    d.draw(30);
    d.form.set_text("th2", "");
    d.form.set_text("ta1", "5");
    d.board.Frame3.visible = false;
    d.draw(30);
    const Board& b = d.board;
    for (const BoardElement* e : {&b.corpo1, &b.corpo2, &b.LB1, &b.LH2D, &b.Label1, &b.Label4}) EXPECT_FALSE(e->visible);
    // What the previous run drew of the axis, zone and bars stays as it was.
    EXPECT_FALSE(b.linex.visible);
    EXPECT_TRUE(b.trat2.visible);
    EXPECT_EQ(b.scala, 40);
    EXPECT_NEAR(b.still1.width, 40 * std::sqrt(1.273 * 20), 0.01);
    EXPECT_FALSE(b.Frame3.visible);

    Drawing rectangle(form_with({{"tb", "30"}, {"th", ""}}));
    rectangle.draw();
    EXPECT_FALSE(rectangle.board.Frame1.visible);
    EXPECT_EQ(rectangle.board.scala, 0);
}

TEST(SectionDrawing, NeitherShapeOptionChecksNothingAndKeepsVisibility) {
    FieldMap form = form_with({{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"}});
    form.set_value("rett", 0);
    form.set_value("COOR", 1);
    Drawing d(form);
    d.draw(10);
    EXPECT_EQ(d.board.scala, 81);
    EXPECT_FALSE(d.board.corpo1.visible || d.board.Label1.visible);
    EXPECT_TRUE(d.board.trat1.visible);
    d.draw(60);  // below the zero-height web: both strips as for a T section
    EXPECT_TRUE(d.board.trat2.visible);
}

TEST(SectionDrawing, BarsFollowTheirAreaAndDepthAndTheCountRulesTheBlocks) {
    Drawing d(form_with({{"tb", "30"}, {"th", "50"}, {"strati", "N° 2 Strati barre"}, {"ta1", "9,42"},
                         {"td1", ""}, {"ta2", ""}, {"td2", "40"}, {"ta3", "2"}, {"td3", "60"}}));
    d.draw();
    const Board& b = d.board;
    EXPECT_TRUE(b.still1.visible && b.still3.visible);
    EXPECT_FALSE(b.still2.visible || b.still4.visible);
    EXPECT_FLOAT_EQ(b.still1.top + b.still1.height / 2, b.corpo1.top);  // an empty depth: on the top edge
    EXPECT_FLOAT_EQ(b.still3.top + b.still3.height / 2, b.corpo1.top + 81 * 60);  // below the section, not clipped
    EXPECT_TRUE(b.fas1.visible && b.fas2.visible);
    EXPECT_FALSE(b.fas3.visible || b.fas4.visible);
    EXPECT_FLOAT_EQ(b.fas1.top, 720);
    EXPECT_FLOAT_EQ(b.fas2.top, 1080);
    EXPECT_FLOAT_EQ(b.fas3.top, 720);  // unused blocks keep their place

    d.form.set_text("strati", "N° 5 Strati barre");
    d.draw();
    EXPECT_TRUE(b.fas2.visible);
    EXPECT_FLOAT_EQ(b.fas1.top, 720);

    d.form.set_text("ta4", "-1");
    EXPECT_THROW(d.draw(), ArithmeticFault);
}

TEST(SectionDrawing, BarListTexts) {
    const std::vector<std::pair<Fields, const char*>> cases = {
        {{{"n1a1", "2"}, {"f1a1", "16"}, {"n1a2", "3"}, {"f1a2", "20"}, {"ta1", "10,05"}}, "n°2Ø16 + n°3Ø20  =cmq 10,05"},
        {{{"n1a2", "3"}, {"f1a2", "20"}, {"n1a3", "1"}, {"f1a3", "12"}, {"ta1", "10,56"}}, "n°3Ø20 + n°1Ø12  =cmq 10,56"},
        {{{"n1a1", "2"}, {"n1a3", "4"}, {"f1a3", "14"}, {"ta1", "6,16"}}, "n°4Ø14  =cmq 6,16"},
        {{{"ta1", "4"}}, "(distinta ferri non definita) =cmq 4"},
        {{}, "(distinta ferri non definita) =cmq "},
    };
    for (const auto& [fields, expected] : cases) EXPECT_EQ(bar_list_text(form_with(fields), 1), expected);
}

TEST(SectionDrawing, ShearFrameFollowsTheSwitch) {
    Drawing d(form_with({{"tb", "30"}, {"th", "50"}}));
    for (const auto& [value, visible] : {std::pair{0, false}, {2, false}, {1, true}, {2, true}}) {
        d.form.set_value("Check5", value);
        d.draw();
        EXPECT_EQ(d.board.Frame3.visible, visible) << value;
    }
}

TEST(SectionDrawing, AFaultInTheDrawingEndsTheRunAfterTheResults) {
    Fields fields = worked_example;
    fields.push_back({"ta3", "-1"});
    FieldMap form = form_with(fields);
    ScriptedPrompter prompter;
    AnalysisWindow window;
    window.variabili(form, prompter);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Controllare dati (no found)");
    EXPECT_FALSE(window.results.lx.text.empty());
    EXPECT_FALSE(window.results.vf.text.empty());
    EXPECT_FALSE(window.board.Frame1.visible);
}

}  // namespace
}  // namespace norvexa
