#include "analysis/section_analysis.h"

#include <array>
#include <iterator>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/field_map.h"

namespace norvexa {
namespace {

struct Verification {
    FieldMap form = FieldMap::with_start_values();
    ScriptedPrompter prompter;
    AnalysisInput input;
    AnalysisResults results;

    Verification& set(const std::string& name, const std::string& text) {
        form.set_text(name, text);
        return *this;
    }
    Verification& go() {
        SectionAnalysis(form, prompter, input, results).variabili();
        return *this;
    }
    std::string message() const { return prompter.shown.empty() ? "" : prompter.shown.back().text; }
    std::string title() const { return prompter.shown.empty() ? "" : prompter.shown.back().title; }
    Colour command1() const { return form.controls.at("Command1").back; }
};

// 30 x 50 cm, one layer of 9,42 cm² at 46 cm, stirrups 2 arms of 8 mm at 10 cm.
Verification example() {
    Verification run;
    run.set("tb", "30").set("th", "50").set("ta1", "9,42").set("td1", "46").set("TMS", "100");
    run.set("TVS", "100").set("nbr", "2").set("dst", "8").set("passo", "10").set("ast", "10,05");
    return run;
}

TEST(SectionAnalysis, SteelSideFailureOfTheWorkedExample) {
    Verification run = example().go();
    const AnalysisResults& r = run.results;
    EXPECT_TRUE(run.prompter.shown.empty()) << run.message();
    EXPECT_FLOAT_EQ(run.input.bestxsud, 3.5f / 13.5f);
    EXPECT_EQ(r.lx.text, "11,15");
    EXPECT_EQ(r.bending->x, 112.0f);
    EXPECT_EQ(r.Label32.text, "0,242");
    EXPECT_EQ(r.Label30.text, "Rottura lato Acciaio");
    EXPECT_EQ(r.lepscls.text, "3,2");
    EXPECT_EQ(r.Label48.text, "10");
    for (const Control* empty_layer : {&r.Label49, &r.Label50, &r.Label51}) EXPECT_EQ(empty_layer->text, "3,2");
    EXPECT_EQ(r.Label52.text, "373,9");
    EXPECT_EQ(r.Label53.text, "0");
    EXPECT_EQ(r.lm.text, "146,1");
    EXPECT_EQ(r.Label26.text, "46");
    EXPECT_EQ(r.Label16.text, "46");
    EXPECT_EQ(r.Label20.text, "");
    EXPECT_EQ(r.lmsd.text, "100");
    EXPECT_EQ(r.Label29.text, ">");
    EXPECT_EQ(r.vf.text, "Flessione verificata");
    EXPECT_EQ(r.vf.fore, colours::black);
    EXPECT_EQ(run.input.b, 300.0f);  // left converted to mm
    EXPECT_EQ(run.input.a[0], 942.0f);
    EXPECT_EQ(run.form.mouse_pointer, hourglass_pointer);
}

TEST(SectionAnalysis, ShearOfTheWorkedExample) {
    const AnalysisResults r = example().go().results;
    EXPECT_EQ(r.lk.text, "1,14");
    EXPECT_EQ(r.lbweb.text, "300");
    EXPECT_EQ(r.lrol.text, "0,00683");
    EXPECT_EQ(r.lvrd1.text, "64,89");
    EXPECT_EQ(r.Label73.text, "Vrd1<Vsd: necessaria armatura taglio");
    EXPECT_EQ(r.lnu.text, "0,575");
    EXPECT_EQ(r.lvrd2.text, "558,11");
    EXPECT_EQ(r.Label76.text, "Vrd2>Vsd: puntoni cls verificati");
    EXPECT_EQ(r.Label76.fore, colours::button_text);
    EXPECT_EQ(r.lsmax.text, "30");
    EXPECT_EQ(r.Label91.text, "Passo staffe < Passo max.  OK");
    EXPECT_EQ(r.lvwd.text, "155,57");
    EXPECT_EQ(r.lvrd3.text, "220,46");
    EXPECT_EQ(r.lvsd.text, ">");
    EXPECT_EQ(r.rlvsd.text, "100");
    EXPECT_EQ(r.lvtaglio.text, "Taglio verificato");
    EXPECT_EQ(r.Label81.text, "0,0034");
}

TEST(SectionAnalysis, ConcreteSideFailure) {
    Verification run = example();
    run.set("ta1", "40").go();
    const AnalysisResults& r = run.results;
    EXPECT_EQ(r.lx.text, "33,25");
    EXPECT_EQ(r.bending->x, 333.0f);
    EXPECT_EQ(r.Label32.text, "0,723");
    EXPECT_EQ(r.Label30.text, "Rottura lato Calcestruzzo");
    EXPECT_EQ(r.lepscls.text, "3,5");
    EXPECT_EQ(r.Label48.text, "1,3");
    EXPECT_EQ(r.Label52.text, "268,4");
    EXPECT_EQ(r.lm.text, "345,8");
}

TEST(SectionAnalysis, BendingVerdictIsStrict) {
    Verification equal = example();
    equal.set("TMS", "146,1").go();
    EXPECT_EQ(equal.results.Label29.text, "<");
    EXPECT_EQ(equal.results.vf.text, "Attenzione: flessione non verificata");
    EXPECT_EQ(equal.results.vf.fore, colours::red);

    Verification decimal = example();
    decimal.set("TMS", "146,05").go();
    EXPECT_EQ(decimal.results.lmsd.text, "146,05");
    EXPECT_EQ(decimal.results.vf.text, "Flessione verificata");
}

TEST(SectionAnalysis, ShearVerdictsAndBoundaries) {
    Verification weak = example();
    weak.set("TVS", "600").set("passo", "40").set("ast", "2,51").go();
    const AnalysisResults& r = weak.results;
    EXPECT_EQ(r.Label76.text, "Vrd2<Vsd: puntoni non verificati");
    EXPECT_EQ(r.Label76.fore, colours::red);
    EXPECT_EQ(r.lsmax.text, "13,8");  // 0.3 d
    EXPECT_EQ(r.Label91.text, "Passo staffe > Passo max!");
    EXPECT_EQ(r.lvsd.text, "<");
    EXPECT_EQ(r.lvtaglio.text, "Taglio non verificato!");
    EXPECT_EQ(r.lvtaglio.fore, colours::red);

    Verification deep = example();
    deep.set("th", "80").set("td1", "75").set("TVS", "50").go();
    EXPECT_EQ(deep.results.lk.text, "1");
    EXPECT_EQ(deep.results.Label73.text, "Vrd1>Vsd: sufficiente min. armatura");

    Verification strong_concrete = example();
    strong_concrete.set("con3", "50").go();
    EXPECT_EQ(strong_concrete.results.lnu.text, "0,45");
}

TEST(SectionAnalysis, TeeSectionUsesTheNarrowerWebForShear) {
    Verification tee = example();
    tee.set("tb", "60").set("th", "15").set("tb2", "30").set("th2", "45").set("td1", "55");
    tee.form.set_value("t", 1);
    tee.form.set_value("rett", 0);
    tee.go();
    EXPECT_TRUE(tee.prompter.shown.empty()) << tee.message();
    EXPECT_EQ(tee.results.lbweb.text, "300");
    EXPECT_EQ(tee.input.h2, 450.0f);

    Verification wide_web = tee;
    wide_web.results = {};
    wide_web.prompter.shown.clear();
    wide_web.set("tb2", "80").go();
    EXPECT_EQ(wide_web.results.lbweb.text, "600");
}

TEST(SectionAnalysis, ShearSwitchOffSkipsStirrupsAndShear) {
    Verification run = example();
    run.set("TVS", "").set("ast", "").form.set_value("Check5", 0);
    run.go();
    EXPECT_TRUE(run.prompter.shown.empty()) << run.message();
    EXPECT_EQ(run.results.lm.text, "146,1");
    EXPECT_EQ(run.results.lvrd3.text, "");
}

TEST(SectionAnalysis, OptionalLayerIsReadWheneverItsTextIsFilled) {
    Verification run = example();
    run.set("strati", "N° 2 Strati barre").set("ta2", "2").set("td2", "4").set("ta3", "5").go();
    EXPECT_TRUE(run.prompter.shown.empty()) << run.message();
    EXPECT_EQ(run.input.a[2], 500.0f);
    EXPECT_EQ(run.input.D[2], 0.0f);
}

struct Refusal {
    const char* field;
    const char* text;
    const char* message;
    const char* title;
    bool greys_command1;
};

TEST(SectionAnalysis, EveryMessagePath) {
    const char* const moment = "Controllare dati Sollecitazioni: Inserire valore momento sollecitante di progetto";
    const Refusal cases[] = {
        {"con7", "", "Controllare i dati Calcestruzzo", "Errore", false},
        {"stl4", "abc", "Controllare i dati Acciaio", "Errore", false},
        {"stl6", "", "Controllare i dati Acciaio", "Errore", false},
        {"con8", "x", "Controllare i dati Calcestruzzo", "Errore", false},
        {"stl7", "0", "Controllare i dati Acciaio", "Errore", false},
        {"stl5", "", "Controllare i dati Acciaio", "Errore", false},
        {"con7", "-13,28", "Controllare i dati Calcestruzzo", "Errore", false},
        {"stl4", "-373,9", "Controllare i dati Acciaio", "Errore", false},
        {"stl5", "0", "Controllare i dati Acciaio", "Errore", false},
        {"con8", "-3,5", "Controllare i dati Calcestruzzo", "Errore", false},
        {"con3", "-25", "Controllare i dati Calcestruzzo", "Errore", false},
        {"con9", "0", "Controllare i dati Calcestruzzo", "Errore", false},
        {"td1", "", "Controllare dati Armature Longitudinali", "Attenzione", true},
        {"ta1", "", "Controllare dati Armature Longitudinali", "Attenzione", true},
        {"ta1", "abc", "Controllare dati Armature Longitudinali", "Attenzione", true},
        {"ta2", "1e39", "Controllare dati Armature Longitudinali", "Attenzione", true},
        {"strati", "N° 5 Strati barre", "Controllare dati Armature Longitudinali", "Attenzione", true},
        {"ast", "", "Controllare dati Staffe", "Attenzione", true},
        {"TVS", "-1", "Controllare dati Sollecitazioni: Inserire valore taglio di progetto", "Attenzione", true},
        {"TVS", "", "Controllare dati Sollecitazioni: Inserire valore taglio di progetto", "Attenzione", true},
        {"TMS", "-1", moment, "Attenzione", true},
        {"TMS", "", moment, "Attenzione", true},
        {"TMS", "abc", moment, "Attenzione", true},
        {"th", "", moment, "Attenzione", true},  // the height check converts under the last group
        {"td1", "50,6", "Controllare i dati: d1 > H trave", "Attenzione", false},
        {"tb", "", "Controllare dati Geometria sezione", "Attenzione", true},
        {"tb", "-30", "Controllare dati Geometria sezione", "Attenzione", true},
        {"td1", "0", "Controllare dati (no found)", "Attenzione", true},
        {"toller", "0", "Controllare dati (no found)", "Attenzione", true},
        {"rettang", "0", "Controllare dati (no found)", "Attenzione", true},
        {"rettang", "abc", "Controllare dati (no found)", "Attenzione", true},
        {"con9", "", "Controllare dati (no found)", "Attenzione", true},
        {"ta1", "1e30", "Controllare dati (no found)", "Attenzione", true},
        {"ta1", "3e7", "Controllare dati (no found)", "Attenzione", true},
    };
    for (const Refusal& c : cases) {
        Verification run = example();
        run.set(c.field, c.text).go();
        ASSERT_EQ(run.prompter.shown.size(), 1u) << c.field << "=" << c.text;
        const Message& m = run.prompter.shown[0];
        EXPECT_EQ(m.text, c.message) << c.field << "=" << c.text;
        EXPECT_EQ(m.title, c.title) << c.field << "=" << c.text;
        EXPECT_EQ(m.icon, Icon::critical);
        EXPECT_EQ(m.buttons, Buttons::ok);
        EXPECT_EQ(run.command1() == colours::light_grey, c.greys_command1) << c.field << "=" << c.text;
    }
}

TEST(SectionAnalysis, MomentZeroIsAccepted) {
    Verification run = example();
    run.set("TMS", "0").go();
    EXPECT_TRUE(run.prompter.shown.empty()) << run.message();
}

TEST(SectionAnalysis, EqualDepthsCompareTheTypedTexts) {
    Verification same = example();
    same.set("strati", "N° 2 Strati barre").set("ta2", "2").set("td1", "30").set("td2", "30").go();
    EXPECT_EQ(same.message(), "Controllare dati: 2 strati barre alla stessa distanza");
    EXPECT_EQ(same.title(), "Attenzione");
    EXPECT_EQ(same.command1(), colours::button_face);

    Verification differ = example();
    differ.set("strati", "N° 2 Strati barre").set("ta2", "2").set("td1", "30").set("td2", "30,0").go();
    EXPECT_TRUE(differ.prompter.shown.empty()) << differ.message();
}

TEST(SectionAnalysis, DepthMayExceedTheHeightByLessThanHalfACentimetre) {
    Verification within = example();
    within.set("td1", "50,4").go();
    EXPECT_TRUE(within.prompter.shown.empty()) << within.message();

    Verification second = example();
    second.set("strati", "N° 2 Strati barre").set("ta2", "2").set("td2", "51").go();
    EXPECT_EQ(second.message(), "Controllare i dati: d2 > H trave");
}

TEST(SectionAnalysis, OnlyATeeSectionsWebCountsInTheDepthCheck) {
    Verification rectangle = example();
    rectangle.set("th2", "32000").set("td1", "32000").go();
    EXPECT_EQ(rectangle.message(), "Controllare i dati: d1 > H trave");

    Verification tee = example();
    tee.form.set_value("t", 1);
    tee.form.set_value("rett", 0);
    tee.set("tb2", "20").set("th2", "30").set("td1", "76").go();
    EXPECT_TRUE(tee.prompter.shown.empty()) << tee.message();
    tee.set("tb2", "-20").go();
    EXPECT_EQ(tee.message(), "Controllare dati Geometria sezione");
}

TEST(SectionAnalysis, FailureBeforeTheSearchLeavesThePreviousResults) {
    Verification run = example().go();
    run.prompter.shown.clear();
    run.set("td1", "").go();
    EXPECT_EQ(run.message(), "Controllare dati Armature Longitudinali");
    EXPECT_EQ(run.results.lx.text, "11,15");
    EXPECT_EQ(run.results.lm.text, "146,1");
}

TEST(SectionAnalysis, FailureInsideTheSearchEmptiesTheDepthAndMoment) {
    Verification run = example().go();
    run.prompter.shown.clear();
    run.set("ta1", "1e30").go();
    EXPECT_EQ(run.message(), "Controllare dati (no found)");
    EXPECT_EQ(run.results.lx.text, "");
    EXPECT_EQ(run.results.lm.text, "");
}

TEST(SectionAnalysis, TrialAcceptedAtTheEndOfItsSweepStillGetsItsMoment) {
    // A tolerance this large accepts the first sweep's single trial.
    Verification run = example();
    run.set("toller", "1000000").go();
    EXPECT_TRUE(run.prompter.shown.empty()) << run.message();
    EXPECT_EQ(run.results.lx.text, "0,05");
    EXPECT_EQ(run.results.bending->x, 1.0f);
    EXPECT_FALSE(run.results.lm.text.empty());
    EXPECT_FALSE(run.results.vf.text.empty());
    EXPECT_EQ(run.results.lvtaglio.text, "Taglio verificato");
}

// The captions each typed-results case checks, in this order.
const char* const verdict_captions[] = {"lx", "lm", "Label30", "lmsd", "vf", "Label76", "lsmax", "Label91", "lvrd3",
                                        "lvsd", "lvtaglio"};

struct TypedCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> fields;  // over the worked example
    bool shear;
    double axis, mrd;  // cm, kNm
    FailureSide side;
    bool bending_holds;
    double vrd1, vrd2, vwd, vrd3;  // kN
    bool struts_hold, spacing_holds, shear_holds;
    std::array<const char*, std::size(verdict_captions)> captions;
};

TEST(SectionAnalysis, TypedResultsAndTheirCaptions) {
    const char* const holds = "Flessione verificata";
    const char* const fails = "Attenzione: flessione non verificata";
    const char* const struts = "Vrd2>Vsd: puntoni cls verificati";
    const char* const spacing = "Passo staffe < Passo max.  OK";
    const TypedCase cases[] = {
        {"worked example", {}, true, 11.15, 146.1, FailureSide::steel, true, 64.89, 558.11, 155.57, 220.46, true, true,
         true,
         {"11,15", "146,1", "Rottura lato Acciaio", "100", holds, struts, "30", spacing, "220,46", ">",
          "Taglio verificato"}},
        {"concrete side", {{"ta1", "40"}}, true, 33.25, 345.8, FailureSide::concrete, true, 103.93, 558.11, 155.57,
         259.5, true, true, true,
         {"33,25", "345,8", "Rottura lato Calcestruzzo", "100", holds, struts, "30", spacing, "259,5", ">",
          "Taglio verificato"}},
        {"shear", {{"TVS", "300"}}, true, 11.15, 146.1, FailureSide::steel, true, 64.89, 558.11, 155.57, 220.46, true,
         true, false,
         {"11,15", "146,1", "Rottura lato Acciaio", "100", holds, struts, "27,6", spacing, "220,46", "<",
          "Taglio non verificato!"}},
        {"struts", {{"TVS", "600"}, {"nbr", "6"}, {"dst", "16"}, {"passo", "5"}, {"ast", "241,27"}}, true, 11.15,
         146.1, FailureSide::steel, true, 64.89, 558.11, 3734.73, 3799.62, false, true, true,
         {"11,15", "146,1", "Rottura lato Acciaio", "100", holds, "Vrd2<Vsd: puntoni non verificati", "13,8", spacing,
          "3799,62", ">", "Taglio verificato"}},
        {"spacing", {{"TVS", "400"}, {"nbr", "6"}, {"dst", "16"}, {"passo", "15"}, {"ast", "80,42"}}, true, 11.15,
         146.1, FailureSide::steel, true, 64.89, 558.11, 1244.86, 1309.75, true, false, true,
         {"11,15", "146,1", "Rottura lato Acciaio", "100", holds, struts, "13,8", "Passo staffe > Passo max!",
          "1309,75", ">", "Taglio verificato"}},
        // Msd is shown as 146,1, and Mrd 146,1 does not exceed what is shown.
        {"moment as shown", {{"TMS", "146,09999999999997"}}, false, 11.15, 146.1, FailureSide::steel, false, 0, 0,
         0, 0, false, false, false, {"11,15", "146,1", "Rottura lato Acciaio", "146,1", fails, "", "", "", "", "", ""}},
    };
    for (const TypedCase& c : cases) {
        Verification run = example();
        for (const auto& [field, text] : c.fields) run.set(field, text);
        run.form.set_value("Check5", c.shear);
        run.go();
        ASSERT_TRUE(run.prompter.shown.empty()) << c.name << ": " << run.message();
        const AnalysisResults& r = run.results;

        ASSERT_TRUE(r.bending) << c.name;
        EXPECT_DOUBLE_EQ(r.bending->neutral_axis, c.axis) << c.name;
        EXPECT_NEAR(r.bending->mrd, c.mrd, 0.05) << c.name;
        EXPECT_EQ(r.bending->side, c.side) << c.name;
        EXPECT_EQ(r.bending->holds(), c.bending_holds) << c.name;
        EXPECT_EQ(r.vf.fore, c.bending_holds ? colours::black : colours::red) << c.name;

        ASSERT_EQ(r.shear.has_value(), c.shear) << c.name;
        if (c.shear) {
            const ShearResult& v = *r.shear;
            EXPECT_NEAR(v.vrd1 / 1000, c.vrd1, 0.005) << c.name;
            EXPECT_NEAR(v.vrd2 / 1000, c.vrd2, 0.005) << c.name;
            EXPECT_NEAR(v.vwd / 1000, c.vwd, 0.005) << c.name;
            EXPECT_NEAR(v.vrd3 / 1000, c.vrd3, 0.005) << c.name;
            EXPECT_EQ(v.struts_hold(), c.struts_hold) << c.name;
            EXPECT_EQ(v.spacing_holds(), c.spacing_holds) << c.name;
            EXPECT_EQ(v.holds(), c.shear_holds) << c.name;
            EXPECT_EQ(r.Label76.fore == colours::red, !c.struts_hold) << c.name;
            EXPECT_EQ(r.Label91.fore == colours::red, !c.spacing_holds) << c.name;
            EXPECT_EQ(r.lvtaglio.fore == colours::red, !c.shear_holds) << c.name;
        }

        std::map<std::string, std::string> shown;
        for (const auto& [name, label] : r.labels()) shown[name] = label->text;
        for (std::size_t i = 0; i < std::size(verdict_captions); ++i)
            EXPECT_EQ(shown[verdict_captions[i]], c.captions[i]) << c.name << ": " << verdict_captions[i];
    }
}

TEST(SectionAnalysis, AStopInTheShearKeepsTheBendingResultAndTheCaptionsFoundSoFar) {
    Verification run = example();
    run.set("con5", "abc").go();
    EXPECT_EQ(run.message(), "Controllare dati (no found)");
    ASSERT_TRUE(run.results.bending);
    EXPECT_DOUBLE_EQ(run.results.bending->neutral_axis, 11.15);
    EXPECT_EQ(run.results.lnu.text, "0,575");
    EXPECT_EQ(run.results.lvrd2.text, "");

    run.prompter.shown.clear();
    run.set("ta1", "1e30").go();
    EXPECT_FALSE(run.results.bending);
}

TEST(SectionAnalysis, NegativeDepthEndsTheRunInsteadOfLooping) {
    Verification run = example();
    run.set("td1", "-5").go();
    EXPECT_EQ(run.message(), "Controllare dati (no found)");
}

}  // namespace
}  // namespace norvexa
