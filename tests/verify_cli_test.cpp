// End-to-end tests of the built norvexa-verify.
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

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

// Three combinations of the example: within the domain under no axial force and under
// 600 kN, and a tension beyond the steel's NRd,min of about -352 kN.
const std::string three = "nome;NEd [kN];MEd [kNm];VEd [kN]\nSLU 1;0;120;80\nSLU 2;600;150;\nTiro;-400;30;\n";

struct CombinationsFile {
    explicit CombinationsFile(const std::string& bytes) { norvexa::put_bytes(path, bytes); }
    norvexa::ScratchFolder folder;
    std::filesystem::path path = folder.path() / "combinazioni.csv";
    std::string option() const { return "--combinazioni " + path.string() + " "; }
};

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

TEST(NorvexaVerify, CombinationsFollowTheUnchangedReport) {
    const CombinationsFile file(three);
    const Result plain = verify(example), r = verify("--norma dm96 " + file.option() + example);
    EXPECT_EQ(r.status, 1);  // the tension lies outside the domain
    ASSERT_EQ(r.out.substr(0, plain.out.size()), plain.out);
    EXPECT_EQ(lines_of(r.out.substr(plain.out.size())),
              (std::vector<std::string>{
                  "---------------------------------------------------------------------------",
                  "",
                  "VERIFICA PRESSOFLESSIONE (D.M. 9/1/96)",
                  "Dominio M-N: NRd,max= KN 2344,21  NRd,min= KN -352,21",
                  "NEd positivo di compressione, MEd positivo se tende il lembo inferiore; deformazioni positive di "
                  "compressione",
                  "SLU 1: NEd= KN 0  MEd= KNm 120  MRd= KNm 145,91  x=cm 11,16  Epsilon c=3,2%°  Epsilon s=-10%°  "
                  "MEd/MRd= 0,822    *****  Pressoflessione verificata  *****",
                  // With NEd 0 the standard-method shear is the analysis's own.
                  "    Taglio: VEd [kN] 80  Vrd1 [kN] 64,89  Vwd [kN] 155,57  Vrd2 [kN] 558,11  smax [cm] 30  "
                  "Vrd3 [kN] 220,46    verificato",
                  "SLU 2: NEd= KN 600  MEd= KNm 150  MRd= KNm 195,07  x=cm 29,52  Epsilon c=3,5%°  Epsilon s=-1,95%°  "
                  "MEd/MRd= 0,769    *****  Pressoflessione verificata  *****",
                  "Tiro: NEd= KN -400  MEd= KNm 30    *****  Fuori dominio  *****",
              }));
    // Beside the strip method's 146,1 kNm, within its own bias.
    EXPECT_NE(r.out.find("MRd= KNm 145,91"), std::string::npos);
}

TEST(NorvexaVerify, ExitStatusCountsEveryCombination) {
    const struct {
        const char* rows;
        int status;
    } cases[] = {
        {"SLU 1;0;120;\n", 0},
        {"SLU 1;0;120;\nSLU 2;0;-20;\n", 1},   // no top bars: hardly any hogging moment
        {"SLU 1;0;120;\nTroppo;0;150;\n", 1},  // beyond MRd
        {"Compressione;2400;0;\n", 1},         // beyond NRd,max
        {"nome;NEd;MEd;VEd\n", 0},             // a header alone
        {"SLU 1;0;120;300\n", 1},              // beyond Vrd3
    };
    for (const auto& c : cases) {
        const CombinationsFile file(c.rows);
        EXPECT_EQ(verify("--norma dm96 " + file.option() + example).status, c.status) << c.rows;
    }
    const CombinationsFile holds("SLU 1;0;120;\n");
    EXPECT_EQ(verify(holds.option() + example + " TMS=200").status, 1);  // the bending verdict still counts
}

TEST(NorvexaVerify, JsonGainsTheCombinationsAndTheDomainInKilonewtonsAndCentimetres) {
    const CombinationsFile file(three);
    const Result plain = verify("--json " + example), r = verify("--json --norma dm96 " + file.option() + example);
    // The same up to the report, which gains the lines the text shows; the new members last.
    const std::string head = plain.out.substr(0, plain.out.find("\"report\": ["));
    EXPECT_TRUE(r.out.starts_with(head));
    const std::string tail = r.out.substr(r.out.find("\"message\": null"));
    EXPECT_NE(r.out.find("\"Tiro: NEd= KN -400  MEd= KNm 30    *****  Fuori dominio  *****\"], \"message\""),
              std::string::npos);
    EXPECT_EQ(tail.rfind("\"message\": null, \"combinations\": [{\"name\": \"SLU 1\", \"NEd\": 0, \"MEd\": 120, "
                         "\"MRd\": 145.9",
                         0),
              0u)
        << tail.substr(0, 300);
    EXPECT_NE(tail.find("{\"name\": \"Tiro\", \"NEd\": -400, \"MEd\": 30, \"MRd\": null, \"x\": null, \"eps_c\": null, "
                        "\"eps_s\": null, \"ratio\": null, \"verified\": false, \"message\": \"fuori dominio\", "
                        "\"VRd_c\": null, \"VRsd\": null, \"VRcd\": null, \"cot_theta\": null, \"VRd\": null, "
                        "\"shear_verified\": null}"),
              std::string::npos);
    EXPECT_NE(tail.find("\"eps_s\": -10, \"ratio\": 0.822"), std::string::npos);
    // Pure compression and pure tension as closed forms: fcd* · Ac + As · fyd, and -As · fyd.
    const double fyd = 373.9, NRd_max = (13.28 * 300 * 500 + 942 * fyd) / 1e3, NRd_min = -942 * fyd / 1e3;
    const auto number_after = [&](const std::string& key) { return std::stod(tail.substr(tail.find(key) + key.size())); };
    EXPECT_NEAR(number_after("\"NRd_max\": "), NRd_max, 0.5);
    EXPECT_NEAR(number_after("\"NRd_min\": "), NRd_min, 0.5);
    EXPECT_EQ(tail.substr(tail.size() - 5), "]]}}\n");
}

TEST(NorvexaVerify, DomainFileHoldsTheJsonPointsWithTheDecimalComma) {
    const norvexa::ScratchFolder folder;
    const auto domain = folder.path() / "dominio.csv";
    const Result r = verify("--json --dominio " + domain.string() + " " + example);
    EXPECT_EQ(r.status, 0);
    const auto lines = norvexa::read_lines(domain);
    ASSERT_TRUE(lines);
    std::size_t points = 0;
    const std::string opening = "\"points\": [";
    for (std::size_t at = r.out.find(opening) + opening.size(); (at = r.out.find('[', at)) != std::string::npos; ++at)
        ++points;
    EXPECT_EQ(lines->size(), points);
    EXPECT_GE(points, 200u);
    // The first point is pure tension: -As · fyd under the steel's centroid moment arm.
    EXPECT_EQ(lines->front(), "-352,226;73,967");
    EXPECT_NE(r.out.find("\"combinations\": [], \"detailing\": ["), std::string::npos);
}

TEST(NorvexaVerify, AProjectsOwnCombinationsUnlessAFileGivesOthers) {
    norvexa::ProjectSession session;
    enter_worked_example(session.form);
    session.program.combinations = {norvexa::capacity::Code::dm96, {{"Dal progetto", 0, 150, std::nullopt}}, std::nullopt, {}};
    const auto path = session.file("esempio.nvx");
    session.files.answer_next(path.string());
    ASSERT_TRUE(session.commands.salva());

    const Result own = verify(path.string());
    EXPECT_EQ(own.status, 1);  // 150 kNm is beyond MRd
    EXPECT_NE(own.out.find("\nVERIFICA PRESSOFLESSIONE (D.M. 9/1/96)\n"), std::string::npos) << own.out;
    EXPECT_NE(own.out.find("\nDal progetto: NEd= KN 0  MEd= KNm 150  MRd= KNm 145,91"), std::string::npos);

    const CombinationsFile file("Da file;0;100;\n");
    const Result other = verify("--norma ntc2018 " + file.option() + path.string());
    EXPECT_EQ(other.status, 0);
    EXPECT_EQ(other.out.find("Dal progetto"), std::string::npos);
    EXPECT_NE(other.out.find("\nVERIFICA PRESSOFLESSIONE (NTC 2018)\n"), std::string::npos);
    EXPECT_NE(other.out.find("\nDa file: NEd= KN 0  MEd= KNm 100  MRd= KNm 146,84"), std::string::npos);
}

TEST(NorvexaVerify, CombinationUsageErrorsNameTheLineOrTheFile) {
    const CombinationsFile bad("nome;NEd;MEd;VEd\nSLU 1;0;120;\n\nSLU 2;cento;150;\n");
    const norvexa::ScratchFolder folder;
    const struct {
        std::string args;
        std::string said;
    } cases[] = {
        {bad.option() + example, bad.path.string() + ": riga 4 non valida: «SLU 2;cento;150;»\n"},
        {"--combinazioni " + (folder.path() / "manca.csv").string() + " " + example,
         "impossibile leggere il file " + (folder.path() / "manca.csv").string() + "\n"},
        {"--norma ec2 " + example, "norma sconosciuta: ec2 (dm96 o ntc2018)\n"},
        {"--dominio " + bad.path.string() + " " + bad.option() + example,
         "--dominio " + bad.path.string() + ": è il file delle combinazioni che si sta leggendo\n"},
        {"--dominio /dev/null " + example, "--dominio /dev/null: non è un file normale\n"},
        {"--dominio '" + (norvexa::steel_folder() / "Feb 44 K").string() + "' " + example,
         "--dominio " + (norvexa::steel_folder() / "Feb 44 K").string() + ": è nella cartella del programma\n"},
        {example + " --combinazioni", "opzione sconosciuta: --combinazioni\n"},
        {"--cot-theta 3 " + example, "ctg theta non valida: 3 (da 1 a 2,5, o automatico)\n"},
    };
    for (const auto& c : cases) {
        const Result r = verify(c.args, true);
        EXPECT_EQ(r.status, 64) << c.args;
        EXPECT_EQ(r.out.rfind(c.said, 0), 0u) << r.out;
    }
    EXPECT_EQ(norvexa::read_lines(bad.path)->size(), 4u);
}

// Under the NTC 2018 the shear takes the inclination given, and the detailing rules follow.
TEST(NorvexaVerify, JsonGainsTheShearAndTheDetailingRules) {
    const CombinationsFile file("SLU 1;0;120;80\n");
    const Result r = verify("--json --norma ntc2018 --cot-theta 2,5 " + file.option() + example);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\"cot_theta\": 2.5, \"VRd\": "), std::string::npos);
    EXPECT_NE(r.out.find("\"shear_verified\": true}]"), std::string::npos);
    EXPECT_NE(r.out.find("\"detailing\": [{\"rule\": \"Armatura tesa minima (inferiore)\", \"value\": 9.42, "),
              std::string::npos);
    EXPECT_NE(r.out.find("{\"rule\": \"Staffe: passo massimo\", \"value\": 10, \"limit\": 36.8, \"unit\": \"cm\", "
                         "\"ok\": true}]"),
              std::string::npos);
    const CombinationsFile bending("SLU 1;0;120;\n");
    EXPECT_EQ(verify("--norma ntc2018 " + bending.option() + example).status, 0);
    EXPECT_EQ(verify("--norma ntc2018 " + bending.option() + example + " Check5=0").status, 1);  // no stirrups
}

TEST(NorvexaVerify, AMaterialTheCodeCannotUseStopsTheRunWithItsMessage) {
    const CombinationsFile file("SLU 1;0;120;\n");
    const Result r = verify("--norma ntc2018 " + file.option() + example + " con3=95", true);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("\nAttenzione: "), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("VERIFICA PRESSOFLESSIONE"), std::string::npos);
}

}  // namespace

namespace {

// Service rows from the file's fifth column under the environment, n and kt given: their
// members in the JSON, their verdicts in the exit status, their lines in the report.
TEST(NorvexaVerify, ServiceRowsFromTheFifthColumn) {
    const std::string bars = example + " n1a1=3 f1a1=20";  // 9,42 cm² as three φ20
    const CombinationsFile file("SLU 1;0;120;\nRara;0;80;;RARA\nQp;0;60;;QP\n");
    const Result r = verify("--json --norma ntc2018 " + file.option() + bars);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("{\"name\": \"Rara\", \"kind\": \"RARA\", \"NEd\": 0, \"MEd\": 80, \"sigma_c\": "),
              std::string::npos)
        << r.out.substr(r.out.find("\"combinations\""), 600);
    EXPECT_NE(r.out.find("\"sigma_c_limit\": 11.25, \"sigma_s\": "), std::string::npos);
    EXPECT_NE(r.out.find("\"cracked\": true, \"wk\": 0."), std::string::npos);
    EXPECT_NE(r.out.find("\"wk_limit\": 0.3, \"sr_max\": "), std::string::npos);
    const Result text = verify("--norma ntc2018 " + file.option() + bars);
    EXPECT_NE(text.out.find("\nRara (caratteristica (rara)): NEd= KN 0  MEd= KNm 80\n    sigma c N/mmq "),
              std::string::npos)
        << text.out;

    const struct {
        const char* row;
        const char* options;
        int status;
    } cases[] = {
        {"Qp;0;100;;QP", "", 0},                            // wk 0,235 mm within 0,3
        {"Qp;0;100;;QP", "--ambiente molto-aggressivo", 1},  // but not within 0,2
        {"Rara;0;120;;RARA", "", 0},                         // σs 315 N/mm² within 0,8 · 430
        {"Rara;0;140;;RARA", "", 1},
    };
    for (const auto& c : cases) {
        const CombinationsFile one(std::string(c.row) + "\n");
        EXPECT_EQ(verify("--norma ntc2018 " + std::string(c.options) + " " + one.option() + bars).status, c.status)
            << c.row << " " << c.options;
    }
    for (const char* option : {"--kt 0,6 ", "--n 10 "})
        EXPECT_NE(verify("--norma ntc2018 " + std::string(option) + file.option() + bars).out, text.out) << option;
    const CombinationsFile missing("Qp;0;60;;QP\n");
    EXPECT_EQ(verify("--norma ntc2018 " + missing.option() + example).status, 1);  // no diameter for the width

    for (const auto& [args, said] : {std::pair{"--ambiente marino", "ambiente sconosciuto: marino"},
                                     {"--n 0", "n non valido: 0 (un numero da 1 a 100)"}, {"--kt -1", "kt non valido: -1"}}) {
        const Result bad = verify(std::string(args) + " " + example, true);
        EXPECT_EQ(bad.status, 64) << args;
        EXPECT_EQ(bad.out.rfind(said, 0), 0u) << bad.out;
    }
}

}  // namespace
