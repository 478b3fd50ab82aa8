#include <functional>

#include <gtest/gtest.h>

#include "input_form_fixture.h"
#include "project_fixture.h"
#include "report/report_source.h"

namespace norvexa {
namespace {

class OutdatedResults : public testing::Test, public ProjectSession {
  protected:
    void calculate() {
        prompter.shown.clear();
        program.calculate();
    }
    std::string report_top() { return report_lines(report_data(title.text(), analysis)).front(); }
};

TEST_F(OutdatedResults, AChangeOfWhatTheRunReadMarksTheResultsAndNothingElseDoes) {
    const struct {
        const char* change;
        std::function<void(OutdatedResults&)> make;
        bool marks;
    } cases[] = {
        {"a size", [](OutdatedResults& s) { s.enter("tb", "31"); }, true},
        {"an area", [](OutdatedResults& s) { s.enter("ta1", "10"); }, true},
        {"the moment", [](OutdatedResults& s) { s.enter("TMS", "120"); }, true},
        {"the shear switch", [](OutdatedResults& s) { s.form.click("Check5"); }, true},
        {"the strip slider", [](OutdatedResults& s) { s.form.move_slider("sl1", 30); }, true},
        {"the T shape", [](OutdatedResults& s) { s.form.click("t"); }, true},
        {"the steel, from its library",
         [](OutdatedResults& s) {
             Materiale steel = reference_material(MaterialKind::steel);
             steel.fields[2] = "350";  // fyd
             s.form.use_material(steel);
         },
         true},
        {"the same size typed again", [](OutdatedResults& s) { s.enter("tb", "30"); }, false},
        {"the project title", [](OutdatedResults& s) { s.title.type_title("Trave 7"); }, false},
        {"the pointer and the focus",
         [](OutdatedResults& s) {
             s.form.pointer_over("tb");
             s.form.leave("th");
         },
         false},
    };
    for (const auto& c : cases) {
        form.reload();
        analysis.reload();
        enter_worked_example(form);
        calculate();
        ASSERT_TRUE(prompter.shown.empty()) << c.change;
        ASSERT_FALSE(analysis.results_outdated()) << c.change;
        c.make(*this);
        EXPECT_EQ(analysis.results_outdated(), c.marks) << c.change;
        EXPECT_EQ(report_top() == outdated_results_notice, c.marks) << c.change;
    }
}

TEST_F(OutdatedResults, ARunThatStopsKeepsTheMarkAndOnlyACompletedRunClearsIt) {
    calculate();  // an empty form: refused, and no results to mark
    EXPECT_FALSE(analysis.results_outdated());
    enter_worked_example(form);
    calculate();
    ASSERT_FALSE(analysis.results_outdated());
    EXPECT_EQ(report_top(), "");

    enter("ta1", "");
    calculate();
    ASSERT_FALSE(prompter.shown.empty());  // the run stopped with its message
    EXPECT_TRUE(analysis.results_outdated());
    enter("ta1", "9,42");  // back as it was: still not a run
    EXPECT_TRUE(analysis.results_outdated());
    calculate();
    EXPECT_FALSE(analysis.results_outdated());
    EXPECT_EQ(report_top(), "");
}

}  // namespace
}  // namespace norvexa
