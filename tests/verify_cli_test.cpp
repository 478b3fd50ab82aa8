// End-to-end tests of the built norvexa-verify.
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "common/program_folder.h"
#include "project_fixture.h"

namespace {

struct Result {
    std::string out;
    int status = -1;
};

// Runs the verifier, with NAME=VALUE variables set when given; standard error is
// dropped unless merged into the output.
Result verify(const std::string& args, bool with_errors = false, const std::string& environment = "") {
    const std::string command = environment + " " + std::string(NORVEXA_VERIFY_PATH) + " " + args + (with_errors ? " 2>&1" : " 2>/dev/null");
    Result r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) r.out.append(buffer, n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

const std::string example = "tb=30 th=50 ta1=9,42 td1=46 TMS=100 TVS=100 nbr=2 dst=8 passo=10 ast=10,05";

TEST(NorvexaVerify, PrintsTheReportOfTheWorkedExample) {
    const Result r = verify(example);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("\n\n(TITOLO PROGETTO)\n\n----", 0), 0u) << r.out;
    for (const char* line : {"\nDimensioni: cm 30  x  cm 50\n", "\nEpsilon As1=10%°      Sigma As1=N/mmq 373,9\n",
                             "\nAsse neutro: x=cm 11,15\n", "\nMrd= KNm 146,1 > 100    *****  Flessione verificata  *****\n",
                             "\nVrd3=(Vrd1+Vwd)= KN 220,46 > 100    *****  Taglio verificato  *****\n"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
}

TEST(NorvexaVerify, JsonHoldsTheBoardAndSvgDrawsIt) {
    const Result r = verify("--json " + example);
    EXPECT_NE(r.out.find("\"board\": {\"scala\": 81, "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"corpo1\": {\"visible\": true, \"left\": 2452.5, \"top\": 562.5, \"width\": 2430, "
                         "\"height\": 4050"),
              std::string::npos);
    EXPECT_NE(r.out.find("\"report\": [\"\", \"\", \"(TITOLO PROGETTO)\""), std::string::npos);

    const norvexa::ScratchFolder folder;
    const auto picture = folder.path() / "sezione.svg";
    EXPECT_EQ(verify("--svg " + picture.string() + " " + example).status, 0);
    const auto lines = norvexa::read_lines(picture);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->front().rfind("<svg ", 0), 0u);
    EXPECT_EQ(verify("--svg " + (folder.path() / "manca" / "x.svg").string() + " " + example).status, 2);
    EXPECT_EQ(verify("tb=30 --svg").status, 64);
}

TEST(NorvexaVerify, JsonHoldsResultsFormAndNoMessage) {
    const Result r = verify("--json " + example);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("{\"results\": {\"lx\": \"11,15\", \"lm\": \"146,1\"", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"form\": {"), std::string::npos);
    EXPECT_NE(r.out.find("\"strati\": \"N° 1 Strati barre\""), std::string::npos);
    EXPECT_NE(r.out.find("\"con1\": \"C 25-30\""), std::string::npos);
    EXPECT_NE(r.out.find("\"Check5\": \"1\""), std::string::npos);
    EXPECT_NE(r.out.find("\"message\": null}"), std::string::npos);
}

TEST(NorvexaVerify, ARefusedRunReportsItsMessageBox) {
    const Result r = verify("--json tb=30 th=50 ta1=9,42 TMS=100");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("\"message\": {\"text\": \"Controllare dati Armature Longitudinali\", "
                         "\"title\": \"Attenzione\", \"icon\": \"critical\"}"),
              std::string::npos)
        << r.out;
}

TEST(NorvexaVerify, ExitStatusSaysWhetherTheVerificationsHold) {
    const struct {
        const char* fields;
        int status;
    } cases[] = {
        {" TMS=200", 1},
        {" TVS=300", 1},
        {" TMS=200 Check5=0", 1},
        {" TVS=300 Check5=0", 0},
        // Shear holds, but the struts fail; then the stirrup spacing is beyond its largest.
        {" TVS=600 nbr=6 dst=16 passo=5", 1},
        {" TVS=400 nbr=6 dst=16 passo=15", 1},
        {" TVS=400 nbr=6 dst=16 passo=13", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(verify(example + c.fields).status, c.status) << c.fields;
}

TEST(NorvexaVerify, UsageErrors) {
    EXPECT_EQ(verify("foo=1").status, 64);
    EXPECT_EQ(verify("t=2").status, 64);
    EXPECT_EQ(verify("--tb").status, 64);
    EXPECT_EQ(verify("a.nvx b.nvx").status, 64);
    EXPECT_EQ(verify("a.nvx tb=30").status, 64);
    EXPECT_EQ(verify("sl1=41").status, 64);
    EXPECT_EQ(verify("strati=5").status, 64);
    const Result disabled = verify("ta2=3", true);
    EXPECT_EQ(disabled.status, 64);
    EXPECT_NE(disabled.out.find("ta2"), std::string::npos);
    EXPECT_EQ(verify("Check5=0 nbr=2").status, 64);
    EXPECT_EQ(verify("th2=40").status, 64);
}

TEST(NorvexaVerify, RefusesWhatWouldFreezeOrWrapAround) {
    EXPECT_EQ(verify("sl1=4294967297").status, 64);
    EXPECT_EQ(verify("sl2=-4294967276").status, 64);
    for (const char* strip : {"1e-9", "0,00001", "0,09", "4,01", "1e300"})
        EXPECT_EQ(verify("Check5=0 tb=30 th=50 ta1=9,42 td1=46 rettang=" + std::string(strip)).status, 64) << strip;
    EXPECT_EQ(verify("Check5=0 tb=30 th=50 ta1=9,42 td1=46 TMS=100 rettang=0,1").status, 0);
    EXPECT_EQ(verify("Check5=0 tb=30 th=50 ta1=9,42 td1=46 TMS=100 rettang=4").status, 0);
    // A tolerance beyond the slider would pass a failing section (Mrd 146,1 < 150).
    for (const char* tolerance : {"1e38", "21", "0", "abc"})
        EXPECT_EQ(verify(example + " TMS=150 toller=" + tolerance).status, 64) << tolerance;
    EXPECT_EQ(verify(example + " TMS=150 toller=20").status, 1);
}

TEST(NorvexaVerify, HugeAreasAreRefusedNotCrashed) {
    // The field whose value makes the area too large is the one refused and emptied,
    // whichever was typed last.
    const struct {
        const char* fields;
        const char* refused;
        const char* kept;
    } cases[] = {
        {"n1a1=1 f1a1=1e160", "1e160", "\"n1a1\": \"1\""},
        {"n1a1=1e160 f1a1=8", "1e160", "\"f1a1\": \"8\""},
        {"nbr=2 dst=1e200 passo=10", "1e200", "\"passo\": \"10\""},
        {"nbr=1e30 dst=8 passo=10", "1e30", "\"passo\": \"10\""},
        {"nbr=2 dst=8 passo=1e-300", "1e-300", "\"dst\": \"8\""},
    };
    for (const auto& c : cases) {
        const Result r = verify("--json " + std::string(c.fields), true);
        EXPECT_EQ(r.status, 2) << c.fields;
        EXPECT_NE(r.out.find("Attenzione: Errore di sintassi: " + std::string(c.refused) + "\n"), std::string::npos)
            << c.fields << "\n" << r.out;
        EXPECT_NE(r.out.find(c.kept), std::string::npos) << c.fields;
    }
}

TEST(NorvexaVerify, JsonReplacesInvalidUtf8) {
    const Result r = verify("--json \"Text1=$(printf 'a\\377b')\"");
    EXPECT_NE(r.out.find("\"Text1\": \"a\uFFFDb\""), std::string::npos) << r.out;
}

TEST(NorvexaVerify, SvgNeverReplacesAProjectASettingOrADevice) {
    norvexa::ProjectSession session;
    const auto project = session.file("trave.nvx");
    session.files.answer_next(project.string());
    ASSERT_TRUE(session.commands.salva());
    const auto saved = norvexa::read_lines(project);

    const norvexa::ScratchFolder outside;
    const auto link = outside.path() / "link.nvx";
    std::filesystem::create_symlink(project, link);
    const std::string to_project = "--svg " + project.string() + " " + project.string();
    const std::string through_link = "--svg " + link.string() + " " + project.string();
    const std::string material = "--svg '" + (norvexa::steel_folder() / "Feb 44 K").string() + "' " + example;
    const std::string settings = "--svg " + norvexa::settings_file().string() + " " + example;
    const std::string device = "--svg /dev/null " + example;
    for (const std::string& args : {to_project, through_link, material, settings, device}) {
        const Result r = verify(args, true);
        EXPECT_EQ(r.status, 64) << args;
        EXPECT_NE(r.out.find("--svg "), std::string::npos) << r.out;
    }
    EXPECT_EQ(norvexa::read_lines(project), saved);
    EXPECT_EQ(norvexa::read_material(norvexa::MaterialKind::steel, "Feb 44 K").error, norvexa::MaterialError::none);

    // A link elsewhere is written through to the file it names.
    const auto picture = outside.path() / "sezione.svg", picture_link = outside.path() / "ultima.svg";
    std::filesystem::create_symlink(picture, picture_link);
    EXPECT_EQ(verify("--svg " + picture_link.string() + " " + example).status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(picture_link));
    EXPECT_TRUE(std::filesystem::is_regular_file(picture));
}

TEST(NorvexaVerify, AProjectThatCannotOpenSaysWhichFileWasUnreadable) {
    norvexa::ProjectSession session;
    const auto project = session.file("trave.nvx");
    session.files.answer_next(project.string());
    ASSERT_TRUE(session.commands.salva());
    const Result r = verify(project.string(), true, "NORVEXA_HOME=" + (session.home.path() / "manca").string());
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("Attenzione: File non valido\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("impossibile leggere il materiale " + (session.home.path() / "manca").string()),
              std::string::npos)
        << r.out;
}

TEST(NorvexaVerify, DrivesTheInputFormAsTyping) {
    const Result height = verify("--json th=12.5");
    EXPECT_NE(height.out.find("\"th\": {\"text\": \"12,5\", \"items\": [\"\", \"10\""), std::string::npos) << height.out;
    EXPECT_NE(height.out.find("\"td1\": {\"text\": \"\", \"items\": [\"\", \"3\", \"4\", \"5\", \"-----\", \"7,5\", \"8,5\", \"9,5\"]"),
              std::string::npos);

    const Result stirrups = verify("--json nbr=2 dst=8 passo=20");
    EXPECT_NE(stirrups.out.find("\"ast\": {\"text\": \"5,03\""), std::string::npos);

    const Result tee = verify("tb=60 th=15 t=1 tb2=30 th2=45 ta1=9,42 td1=55 TMS=100 TVS=100 nbr=2 dst=8 passo=10");
    EXPECT_EQ(tee.status, 0);
    EXPECT_NE(tee.out.find("\nDimensioni: cm 60 x cm 15  /  Anima cm 30  x cm 45\n"), std::string::npos) << tee.out;

    const Result bars = verify("--json tb=30 th=50 n1a1=2 f1a1=16 n1a2=3 f1a2=14 td1=46 Check5=0");
    EXPECT_NE(bars.out.find("\"ta1\": \"8,64\""), std::string::npos);
}

TEST(NorvexaVerify, MessagesWhileTypingGoToStandardError) {
    const Result r = verify("th=abc", true);
    EXPECT_NE(r.out.find("Attenzione: Errore di sintassi: abc\n"), std::string::npos) << r.out;
}

// The verifier finds the project's materials in the program folder the session set up.
TEST(NorvexaVerify, ASavedProjectGivesTheResultsOfTheTypedFields) {
    norvexa::ProjectSession session;
    for (const char* field : {"tb=30", "th=50", "ta1=9,42", "td1=46", "TMS=100", "TVS=100", "nbr=2", "dst=8", "passo=10"}) {
        const std::string text = field;
        const auto equals = text.find('=');
        session.enter(text.substr(0, equals).c_str(), text.substr(equals + 1));
    }
    const auto path = session.file("esempio.nvx");
    session.files.answer_next(path.string());
    ASSERT_TRUE(session.commands.salva());

    const Result typed = verify("--json " + example), saved = verify("--json " + path.string());
    EXPECT_EQ(saved.status, 0);
    EXPECT_EQ(saved.out, typed.out);
    EXPECT_EQ(verify(path.string()).out, verify(example).out);

    const Result missing = verify(session.file("nessuno.nvx").string(), true);
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "Attenzione: File non valido\nimpossibile leggere il file " +
                               session.file("nessuno.nvx").string() + "\n");
}

}  // namespace
