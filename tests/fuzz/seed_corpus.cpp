// Writes the fuzz targets' starting inputs from the example sections, with the program's own
// writers: `fuzz_seed_corpus FOLDER` fills FOLDER/<target>/ (the corpus kept in
// tests/fuzz/corpus was made so).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "common/line_file.h"
#include "common/program_folder.h"
#include "common/settings_file.h"
#include "form_events.h"
#include "fuzz_support.h"
#include "materials/material_files.h"
#include "project/combination_block.h"
#include "report/report_source.h"
#include "report/report_text.h"
#include "report/rtf_writer.h"
#include "scripted_program.h"

namespace {

using namespace norvexa;
using Fields = std::vector<std::pair<const char*, const char*>>;

// The 30 x 50 example section, and a T section with a second layer.
const Fields rectangle{{"tb", "30"}, {"th", "50"}, {"ta1", "9,42"}, {"td1", "46"}, {"TMS", "100"},
                       {"TVS", "100"}, {"nbr", "2"}, {"dst", "8"}, {"passo", "10"}};
const Fields tee{{"tb", "60"}, {"th", "15"}, {"tb2", "30"}, {"th2", "45"}, {"ta1", "9,42"}, {"td1", "55"},
                 {"TMS", "100,5"}, {"TVS", "80"}, {"nbr", "2"}, {"dst", "8"}, {"passo", "10"}};

std::string bytes_of_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void put(const std::filesystem::path& folder, const char* name, const std::string& bytes) {
    std::filesystem::create_directories(folder);
    fuzz::put_file(folder / name, bytes);
}

void enter(Form1& form, const Fields& fields) {
    for (auto [name, text] : fields) {
        form.type(name, text);
        form.leave(name);
    }
}

// The project file of a section, saved by the save command.
std::string project_of(bool t_section, const Fields& fields, const char* title) {
    ScriptedProgram p;
    p.program.load();
    p.title.type_title(title);
    if (t_section) p.form.click("t");
    enter(p.form, fields);
    const auto path = fuzz::home().path() / "esempio.nvx";
    p.files.answer_next(path.string());
    fuzz::expect(p.commands.salva(), "the example cannot be saved");
    return bytes_of_file(path);
}

// The calculation report of the 30 x 50 example as the report window writes it.
std::string report_of_example() {
    ScriptedProgram p;
    p.program.load();
    enter(p.form, rectangle);
    p.form.Command1_Click();
    fuzz::expect(!p.analysis.results.lx.text.empty(), "the example does not calculate");
    return rtf_document(report_lines(report_data(p.title.text(), p.analysis)));
}

// The block after the 51 lines of the example saved with these combinations.
std::string block_of(const capacity::CombinationSet& combinations) {
    ScriptedProgram p;
    p.program.load();
    enter(p.form, rectangle);
    p.program.combinations = combinations;
    const auto path = fuzz::home().path() / "esempio.nvx";
    p.files.answer_next(path.string());
    fuzz::expect(p.commands.salva(), "the example cannot be saved");
    std::string bytes = bytes_of_file(path);
    std::size_t start = 0;
    for (std::size_t line = 0; line < project_line_count; ++line) start = bytes.find('\n', start) + 1;
    return bytes.substr(start);
}

std::string events_of(bool t_section, const Fields& fields, bool layers) {
    ScriptedProgram p;
    p.program.load();
    fuzz::EventWriter out(p.form);
    if (t_section) out.click("t");
    for (auto [name, text] : fields) out.enter(name, text);
    if (layers) {
        out.choose("strati", "N° 2 Strati barre");
        out.choose("n2a1", "3");
        out.choose("f2a1", "16");
        out.enter("td2", "4");
        out.move_slider("sl1", 10);
        out.move_slider("sl2", 5);
        out.click("Check5");
    }
    out.click("Command1");
    return out.bytes();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seed_corpus FOLDER\n");
        return 64;
    }
    const std::filesystem::path corpus = argv[1];
    fuzz::home();
    write_material(reference_material(MaterialKind::steel));
    write_material(reference_material(MaterialKind::concrete));

    put(corpus / "project", "esempio_30x50.nvx", project_of(false, rectangle, "Trave 30 x 50"));
    put(corpus / "project", "esempio_t.nvx", project_of(true, tee, "Trave a T"));

    put(corpus / "material", "feb_44_k", bytes_of_file(steel_folder() / reference_material(MaterialKind::steel).nome));
    put(corpus / "material", "c_25_30", bytes_of_file(concrete_folder() / reference_material(MaterialKind::concrete).nome));

    fuzz::expect(write_settings(DisplaySettings{}), "the settings cannot be written");
    put(corpus / "settings", "predefinite", bytes_of_file(settings_file()));

    put(corpus / "rtf", "relazione.rtf", report_of_example());
    put(corpus / "rtf", "caratteri.rtf", rtf_document({"Relazione di calcolo", "àèìòù € «»", "{\\}", "\t1,15 ✓ 𝄞"}));

    int number = 0;
    for (const char* text : {"1,15", "12.5", "1e3", "-0", " 12648447 ", "9,42", "1.234,5E-2", "-4,9e-324", "+7 "})
        put(corpus / "numbers", ("numero_" + std::to_string(++number)).c_str(), text);

    const capacity::CombinationSet three{capacity::Code::ntc2018,
                                         {{"SLU 1", 0, 120, 80.0}, {"SLU 2", 500, 150.5, std::nullopt}, {"Fuori", -800, 60, 0.0}}};
    put(corpus / "combination_block", "tre_ntc2018", block_of(three));
    put(corpus / "combination_block", "una_dm96", block_of({capacity::Code::dm96, {{"C1;a", -12.25, -1e-3, 4.0}}}));
    put(corpus / "combinations", "intestazione.csv", "nome;NEd [kN];MEd [kNm];VEd [kN]\r\nSLU 1;0;120;80\r\n"
                                                     "SLU 2;500;150,5;\r\nFuori;-800;60;0\r\n");
    put(corpus / "combinations", "punti_utf8.csv", "\xEF\xBB\xBFPerché;1250.5;-0.25;\n\nC2;1.250,5;1E+3;7,5\n");
    put(corpus / "combinations", "windows1252.csv", "Perch\xE9;1;2;\r\nC2;;2;\r\n");

    put(corpus / "form", "esempio_30x50", events_of(false, rectangle, false));
    put(corpus / "form", "esempio_t", events_of(true, tee, false));
    put(corpus / "form", "esempio_strati", events_of(false, rectangle, true));
    return 0;
}
