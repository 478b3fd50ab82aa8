// Printing and PDF export through the real window, into PDF files.
#include "shell/ui/window_printer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>

#include <QApplication>
#include <QDate>

#include <gtest/gtest.h>

#include "common/program_folder.h"
#include "common/ui/font_measure.h"
#include "materials/material_files.h"
#include "scratch_folder.h"
#include "scripted_program.h"
#include "shell/ui/main_window.h"

namespace norvexa {
namespace {

std::string command_output(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
    return out;
}

// The text of a PDF's pages from the first page given to the last (0: to the end), with
// the proportional font's ligatures spelled out.
std::string pdf_text(const std::filesystem::path& pdf, int first_page = 1, int last_page = 0) {
    const std::string last = last_page > 0 ? " -l " + std::to_string(last_page) : "";
    std::string text = command_output("pdftotext -f " + std::to_string(first_page) + last + " '" + pdf.string() + "' -");
    for (const auto& [ligature, letters] : {std::pair{"\xEF\xAC\x81", "fi"}, {"\xEF\xAC\x80", "ff"}})
        for (std::size_t at; (at = text.find(ligature)) != std::string::npos;) text.replace(at, 3, letters);
    return text;
}

struct NoColours : ColourChooser {
    std::optional<Colour> choose(Colour) override { return std::nullopt; }
};

class PaperOutput : public testing::Test {
  protected:
    PaperOutput() {
        std::filesystem::create_directories(concrete_folder());
        std::filesystem::create_directories(steel_folder());
        window.show_program(program);
        window.load();
    }
    void calculate() {
        enter_worked_example(program.form);
        program.calculate();
        window.refresh();
        ASSERT_EQ(program.analysis.results.lx.text, "11,15");
    }
    void print_to(const std::filesystem::path& pdf, bool accept) {
        window.window_printer().set_chooser([pdf, accept](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf.string()));
            return accept;
        });
        program.stampa();
    }

    ScratchHome home;
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    RecordingViewer viewer;
    NoColours colours;
    RecordingStarter starter;
    MainWindow window{{prompter, files, files, viewer, colours, starter}};
    Program program{window};
};

TEST_F(PaperOutput, PrintingLeavesTheWindowAsItWasAlsoAfterACancelledDialog) {
    calculate();
    const Board before = program.analysis.board;
    const auto cancelled = home.path() / "annullata.pdf";
    print_to(cancelled, false);
    EXPECT_FALSE(std::filesystem::exists(cancelled));
    EXPECT_EQ(program.analysis.board, before);

    const auto printed = home.path() / "stampa.pdf";
    print_to(printed, true);
    ASSERT_TRUE(std::filesystem::exists(printed));
    EXPECT_EQ(program.analysis.board, before);
    const std::string text = pdf_text(printed);
    EXPECT_NE(text.find("(TITOLO PROGETTO)"), std::string::npos) << text;  // the title on paper
    EXPECT_NE(text.find("Flessione verificata"), std::string::npos);
}

TEST_F(PaperOutput, ExportedPdfHoldsTheWindowThenTheWholeReport) {
    calculate();
    const auto pdf = home.path() / "trave.pdf";
    files.answer_next(pdf.string());
    program.esporta_pdf();
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const std::string info = command_output("pdfinfo '" + pdf.string() + "'");
    EXPECT_NE(info.find("Pages:           2\n"), std::string::npos) << info;
    EXPECT_NE(pdf_text(pdf).find("Flessione verificata"), std::string::npos);  // the window on page 1
    const std::string report = pdf_text(pdf, 2);
    for (const char* line : {"R E L A Z I O N E", "Asse neutro: x=cm 11,15", "Taglio verificato"})
        EXPECT_NE(report.find(line), std::string::npos) << line;
    EXPECT_FALSE(program.analysis.board.sf.visible);
}

TEST_F(PaperOutput, CombinationsFollowTheReportWithTheirTableAndBothDiagrams) {
    calculate();
    program.pressoflessione.paste(0, capacity::Column::name, "SLU 1\t150\t120\nSLU 3\t3000\t20\n");
    program.pressoflessione.calculate();
    const auto pdf = home.path() / "trave.pdf";
    files.answer_next(pdf.string());
    program.esporta_pdf();
    const std::string info = command_output("pdfinfo '" + pdf.string() + "'");
    const auto at = info.find("Pages:");
    ASSERT_NE(at, std::string::npos) << info;
    const int pages = std::stoi(info.substr(at + 6));
    ASSERT_GE(pages, 4);
    const std::string report = pdf_text(pdf, 2, pages - 2);
    for (const char* line : {"R E L A Z I O N E", "VERIFICA A PRESSOFLESSIONE", "fuori dominio",
                             "Combinazione determinante: 2 SLU 3"})
        EXPECT_NE(report.find(line), std::string::npos) << line;
    const std::string domain = pdf_text(pdf, pages - 1, pages - 1);
    EXPECT_NE(domain.find("Dominio di interazione M-N (NTC 2018)"), std::string::npos) << domain;
    EXPECT_NE(domain.find("N [kN]"), std::string::npos) << domain;
    const std::string last = pdf_text(pdf, pages);
    EXPECT_NE(last.find("Diagramma momento-curvatura, combinazione 1 SLU 1"), std::string::npos) << last;
    const std::string number = "pag. " + std::to_string(pages) + " di " + std::to_string(pages);
    EXPECT_NE(last.find(number), std::string::npos) << last;
}

TEST_F(PaperOutput, TheWindowPageShowsNoPointerReadOut) {
    calculate();
    program.analysis.TAVOLA_MouseMove(0, 0, 3000, 3000);
    ASSERT_EQ(program.analysis.board.Label28.text.rfind("X=", 0), 0u);
    const auto pdf = home.path() / "trave.pdf";
    files.answer_next(pdf.string());
    program.esporta_pdf();
    const std::string window_page = pdf_text(pdf, 1, 1);
    EXPECT_NE(window_page.find("Flessione verificata"), std::string::npos);
    EXPECT_EQ(window_page.find("X="), std::string::npos) << window_page;
    EXPECT_EQ(program.analysis.board.Label28.text.rfind("X=", 0), 0u);
}

TEST_F(PaperOutput, ReportPagesAreHeadedWithTitleAndDateAndNumberedAmongAllPages) {
    calculate();
    std::vector<std::string> lines;
    for (int i = 1; i <= 150; ++i) lines.push_back("[" + std::to_string(i) + "]");
    const auto pdf = home.path() / "lunga.pdf";
    const QString before = QDate::currentDate().toString("dd/MM/yyyy");
    ASSERT_TRUE(window.window_printer().export_pdf(pdf.string(), "Trave 7", lines));
    const QString after = QDate::currentDate().toString("dd/MM/yyyy");

    const std::string info = command_output("pdfinfo '" + pdf.string() + "'");
    const std::size_t at = info.find("Pages:");
    ASSERT_NE(at, std::string::npos) << info;
    const int pages = std::stoi(info.substr(at + 6));
    ASSERT_GE(pages, 4);  // the window, then 150 lines on three pages or more
    std::string report;
    for (int page = 2; page <= pages; ++page) {
        const std::string text = pdf_text(pdf, page, page);
        const std::string header = text.substr(0, text.find('['));
        EXPECT_NE(header.find("Trave 7"), std::string::npos) << page << ": " << text;
        EXPECT_TRUE(header.find(before.toStdString()) != std::string::npos ||
                    header.find(after.toStdString()) != std::string::npos)
            << page << ": " << header;
        const std::string number = "pag. " + std::to_string(page) + " di " + std::to_string(pages);
        EXPECT_NE(text.find(number), std::string::npos) << page << ": " << text;
        report += text;
    }
    for (int i = 1; i <= 150; ++i) {  // every line once, in order, none lost between pages
        const std::string line = "[" + std::to_string(i) + "]";
        const std::size_t first = report.find(line);
        EXPECT_NE(first, std::string::npos) << line;
        EXPECT_EQ(report.find(line, first + 1), std::string::npos) << line;
    }

    // A page break line starts the next line on a page of its own, and shows nowhere.
    lines.insert(lines.begin() + 3, page_break);
    ASSERT_TRUE(window.window_printer().export_pdf(pdf.string(), "Trave 7", lines));
    const std::string broken = command_output("pdfinfo '" + pdf.string() + "'");
    EXPECT_EQ(std::stoi(broken.substr(broken.find("Pages:") + 6)), pages + 1);
    const std::string second = pdf_text(pdf, 3, 3);
    EXPECT_EQ(second.find("[3]"), std::string::npos) << second;
    EXPECT_NE(second.find("[4]"), std::string::npos) << second;
}

TEST_F(PaperOutput, ExportOverAnOlderPdfReplacesTheFileALinkNames) {
    calculate();
    const auto archive = home.path() / "archivio.pdf", link = home.path() / "trave.pdf";
    std::ofstream(archive) << "older";
    ASSERT_EQ(::chmod(archive.c_str(), 0640), 0);
    std::filesystem::create_symlink(archive, link);
    files.answer_next(link.string());
    prompter.answer_next(Answer::yes);  // "Sovrascrivere il file ...?"
    program.esporta_pdf();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::status(archive).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    EXPECT_NE(pdf_text(archive).find("Flessione verificata"), std::string::npos);
}

}  // namespace
}  // namespace norvexa
