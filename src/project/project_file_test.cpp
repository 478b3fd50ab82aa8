#include "project/project_file.h"

#include <map>

#include <gtest/gtest.h>

#include "project_fixture.h"

namespace norvexa {
namespace {

using Fields = std::vector<std::pair<const char*, const char*>>;

std::map<std::string, Control> snapshot(const Form1& form) {
    std::map<std::string, Control> all;
    for (const ControlRow& row : form.rows()) all.emplace(row.name, *row.control);
    return all;
}

class ProjectFile : public testing::Test, public ProjectSession {
  protected:
    // Saves the project through the save dialog into the program folder.
    std::filesystem::path save(const char* name = "trave.nvx") {
        files.answer_next(file(name).string());
        EXPECT_TRUE(commands.salva());
        return file(name);
    }
    void write(const char* name, const std::vector<std::string>& lines) { ASSERT_TRUE(write_lines(file(name), lines)); }
    std::vector<std::string> saved_lines() {
        const auto lines = read_lines(save());
        return lines ? *lines : std::vector<std::string>{};
    }
    void expect_new_project() {
        EXPECT_EQ(commands.title_bar, "Senzanome.nvx");
        EXPECT_EQ(title.text(), "(TITOLO PROGETTO)");
        EXPECT_EQ(form.control("tb").text, "");
        EXPECT_EQ(form.control("rett").value, 1);
        EXPECT_FALSE(form.salvaconnome);
        EXPECT_EQ(commands.CommonDialog1.file_name, "");
    }
};

TEST_F(ProjectFile, WritesTheFiftyOneLinesInTheirOrderAndForm) {
    title.type_title("Trave 1");
    form.click("t");
    for (auto [name, text] : Fields{{"tb", "60"}, {"th", "15"}, {"tb2", "30"}, {"th2", "45"}, {"ta1", "9,42"},
                                    {"td1", "55"}, {"TMS", "100,5"}, {"nbr", "2"}, {"dst", "8"}, {"passo", "10"}})
        enter(name, text);
    form.move_slider("sl1", 7);
    form.choose("n1a1", "3");
    form.choose("f1a1", "20");

    const auto lines = saved_lines();
    ASSERT_EQ(lines.size(), 51u);
    const std::vector<std::string> head{"file N O R V E X A", "Trave 1", "C 25-30", "Feb 44 K", "False", "True", "60",
                                        "15", "30", "45", "N° 1 Strati barre", "9,42", "", "", "", "55", "", "", "",
                                        "2", "8", "10", " 1 ", "100,5", "0", " 7 ", " 10 ", "3", "", "", "20"};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + head.size()), head);
    EXPECT_EQ(file_bytes(file("trave.nvx")).substr(0, 20), "file N O R V E X A\r\n");
}

// Every control, not only the stored ones, looks the same after a save, a new project
// and an open: the handlers rebuild lists, labels and colours from the stored fields.
TEST_F(ProjectFile, RoundTripRestoresEveryControl) {
    const std::vector<Fields> sections = {
        {{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"}, {"TMS", "100"}, {"TVS", "100"},
         {"nbr", "2"}, {"dst", "8"}, {"passo", "10"}},
        {{"t", "1"}, {"tb", "100"}, {"th", "20"}, {"tb2", "30"}, {"th2", "60"}, {"strati", "N° 4 Strati barre"},
         {"n1a1", "2"}, {"f1a1", "16"}, {"n1a2", "3"}, {"f1a2", "14"}, {"td1", "4"}, {"n2a1", "2"}, {"f2a1", "12"},
         {"td2", "10,5"}, {"ta3", "3"}, {"td3", "40"}, {"n4a3", "5"}, {"f4a3", "30"}, {"td4", "75"},
         {"Check5", "0"}, {"TMS", "350,25"}, {"sl1", "40"}, {"sl2", "1"}},
        {{"tb", "25"}, {"th", "40"}, {"strati", "N° 2 Strati barre"}, {"ta1", "3,14"}, {"td1", "36"},
         {"ta2", "2"}, {"td2", "4"}, {"Check5", "0"}, {"Check5", "1"}, {"TVS", "80"}, {"nbr", "4"}},
    };
    for (std::size_t i = 0; i < sections.size(); ++i) {
        title.type_title("Sezione " + std::to_string(i));
        for (auto [name, text] : sections[i]) {
            const std::string field = name;
            if (field == "t" || field == "Check5") form.click(name);
            else if (field == "sl1" || field == "sl2") form.move_slider(name, std::stoi(text));
            else if (field == "strati" || field[0] == 'n' || field[0] == 'f') form.choose(name, text);
            else enter(name, text);
        }
        const auto before = snapshot(form);
        const std::string name = "sezione" + std::to_string(i) + ".nvx";
        const auto path = save(name.c_str());
        commands.nuovo();
        ASSERT_EQ(form.control("tb").text, "") << i;
        ASSERT_TRUE(commands.open_project(path)) << i;
        for (const auto& [name, control] : snapshot(form)) EXPECT_EQ(control, before.at(name)) << "case " << i << ": " << name;
        EXPECT_EQ(title.text(), "Sezione " + std::to_string(i));
        EXPECT_EQ(commands.title_bar, name);
        EXPECT_FALSE(form.salvaconnome);
        EXPECT_TRUE(prompter.shown.empty()) << prompter.shown.front().text;
        commands.nuovo();
    }
}

TEST_F(ProjectFile, WrongMarkerTouchesNothing) {
    enter("tb", "30");
    commands.CommonDialog1.file_name = "/somewhere/else.nvx";
    for (const char* marker : {"file N O R V E X A ", "File N O R V E X A", ""}) {
        std::vector<std::string> lines(51, "");
        lines[0] = marker;
        write("bad.nvx", lines);
        EXPECT_FALSE(commands.open_project(file("bad.nvx"))) << marker;
        EXPECT_EQ(prompter.shown.back(), (Message{"File non valido", Icon::critical, Buttons::ok, "Attenzione",
                                                  "la prima riga non è \"file N O R V E X A\""}));
        EXPECT_EQ(form.control("tb").text, "30");
        EXPECT_TRUE(form.salvaconnome);
        EXPECT_EQ(commands.title_bar, "Senzanome.nvx");
        EXPECT_EQ(commands.CommonDialog1.file_name, "");
    }
    EXPECT_FALSE(commands.open_project(file("missing.nvx")));
    EXPECT_EQ(form.control("tb").text, "30");
}

TEST_F(ProjectFile, ShortFileStartsANewProjectAndLongFileOpens) {
    enter("tb", "40");
    auto lines = saved_lines();
    lines.resize(50);
    write("short.nvx", lines);
    enter("tb", "30");
    EXPECT_FALSE(commands.open_project(file("short.nvx")));
    EXPECT_EQ(prompter.shown.back().text, "File non valido");
    expect_new_project();

    lines = saved_lines();
    lines.resize(60, "rubbish");
    write("long.nvx", lines);
    commands.nuovo();
    EXPECT_TRUE(commands.open_project(file("long.nvx")));
    EXPECT_EQ(commands.title_bar, "long.nvx");
}

TEST_F(ProjectFile, RefusedValuesStartANewProject) {
    const auto good = saved_lines();
    using Fault = std::vector<std::pair<std::size_t, const char*>>;  // line index and its text
    const std::vector<Fault> faults = {
        {{4, "true"}},      {{4, "False"}, {5, "False"}},  // no shape chosen
        {{22, " 2 "}},      {{22, "x"}},  {{25, " 41 "}}, {{26, " 0 "}}, {{25, " -4294967276 "}}, {{25, " 4294967297 "}},
        {{10, "N° 5 Strati barre"}}, {{2, "Assente"}}, {{3, "Feb/../x"}},
        {{6, "abc"}},  // refused by the entry rule of tb
        // A bar group and the stirrups whose areas no label can show.
        {{27, "1"}, {30, "1e200"}}, {{19, "2"}, {20, "1e200"}, {21, "10"}},
    };
    for (const Fault& fault : faults) {
        auto lines = good;
        for (const auto& [line, text] : fault) lines[line] = text;
        write("fault.nvx", lines);
        enter("tb", "30");
        EXPECT_FALSE(commands.open_project(file("fault.nvx"))) << fault.back().first << " " << fault.back().second;
        expect_new_project();
    }
}

TEST_F(ProjectFile, FailureSaysWhichLineOrFileFailed) {
    auto lines = saved_lines();
    lines[6] = "abc";
    write("fault.nvx", lines);
    EXPECT_FALSE(commands.open_project(file("fault.nvx")));
    EXPECT_EQ(commands.open_failure, "riga 7 (tb): valore non accettato: abc");
    EXPECT_EQ(prompter.shown.back().text, "File non valido");
    EXPECT_EQ(prompter.shown.back().detail, commands.open_failure);

    EXPECT_FALSE(commands.open_project(file("manca.nvx")));
    EXPECT_EQ(commands.open_failure, "impossibile leggere il file " + file("manca.nvx").string());
    EXPECT_EQ(prompter.shown.back().detail, commands.open_failure);

    // With the program folder out of reach the materials cannot be read.
    const auto path = save();
    const ScopedVariable elsewhere("NORVEXA_HOME", (home.path() / "manca").c_str());
    EXPECT_FALSE(commands.open_project(path));
    EXPECT_EQ(prompter.shown.back().text, "File non valido");
    EXPECT_EQ(commands.open_failure,
              "impossibile leggere il materiale " + (home.path() / "manca/materiali/cls/C 25-30").string());
    EXPECT_EQ(prompter.shown.back().detail, commands.open_failure);
}

TEST_F(ProjectFile, MaterialsComeFromTheLibraryAtOpening) {
    const auto path = save();
    const auto stored = file_bytes(path);
    Materiale concrete = reference_material(MaterialKind::concrete);
    concrete.fields[7] = "0,3";
    ASSERT_TRUE(write_material(concrete));
    EXPECT_TRUE(commands.open_project(path));
    EXPECT_EQ(form.control("con9").text, "0,3");
    EXPECT_EQ(file_bytes(path), stored);

    ASSERT_TRUE(delete_material(MaterialKind::steel, "Feb 44 K"));
    EXPECT_FALSE(commands.open_project(path));
    EXPECT_EQ(prompter.shown.back().text, "File non valido");
    expect_new_project();
}

TEST_F(ProjectFile, OpeningDiscardsTheAnalysisAndTheReport) {
    int reports_closed = 0;
    commands.close_report = [&] { ++reports_closed; };
    enter_worked_example(form);
    form.Command1_Click();
    ASSERT_EQ(analysis.results.lx.text, "11,15");
    EXPECT_TRUE(commands.open_project(save()));
    EXPECT_EQ(analysis.results.lx.text, "");
    EXPECT_EQ(reports_closed, 1);
}

}  // namespace
}  // namespace norvexa
