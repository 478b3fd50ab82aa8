#include "shell/print_dress.h"

#include <gtest/gtest.h>

#include "project_fixture.h"
#include "shell/analysis_printer.h"

namespace norvexa {
namespace {

// Records what reaches the printer, with the board as it looked at that moment.
struct RecordingPrinter : AnalysisPrinter {
    explicit RecordingPrinter(const Board& shown) : board(shown) {}
    bool choose_printer() override {
        ++dialogs;
        return choose;
    }
    bool print_window() override {
        printed.push_back(board);
        return works;
    }
    bool export_pdf(const std::string& path, const std::string&, const std::vector<std::string>& lines) override {
        printed.push_back(board);
        pdf_path = path;
        pdf_lines = lines;
        return works;
    }
    const Board& board;
    bool choose = true, works = true;
    int dialogs = 0;
    std::vector<Board> printed;
    std::string pdf_path;
    std::vector<std::string> pdf_lines;
};

class Printing : public testing::Test, public ProjectSession {
  protected:
    Printing() { desktop.use_printer(&printer); }
    void calculate_two_layers() {
        enter_worked_example(form);
        form.choose("strati", "N° 2 Strati barre");
        enter("ta2", "4,02");
        enter("td2", "4");
        program.calculate();
        ASSERT_FALSE(analysis.results.lx.text.empty());
    }

    RecordingPrinter printer{analysis.board};
};

TEST_F(Printing, RefusedBeforeTheFirstCalculation) {
    for (const char* command : {"printis", "pdf"}) {
        prompter.shown.clear();
        EXPECT_TRUE(program.run_menu(command));
        ASSERT_EQ(prompter.shown.size(), 1u) << command;
        EXPECT_EQ(prompter.shown.back(), (Message{"Prima di effettuare la stampa eseguire il calcolo", Icon::warning,
                                                  Buttons::ok, "Attenzione"}));
    }
    EXPECT_EQ(printer.dialogs, 0);
    EXPECT_TRUE(printer.printed.empty());
}

TEST_F(Printing, PaperShowsTheTitleAndTheBarListsOfTheLayersWithSteelThenAllIsUndone) {
    calculate_two_layers();
    title.type_title("Trave 7");
    const Board before = analysis.board;
    program.stampa();
    ASSERT_EQ(printer.printed.size(), 1u);
    const Board& paper = printer.printed.front();
    EXPECT_TRUE(paper.sf.visible);
    EXPECT_EQ(paper.sf.text, "Trave 7");
    EXPECT_FALSE(paper.Label43.visible);
    EXPECT_TRUE(paper.listar1.visible);
    EXPECT_TRUE(paper.listar2.visible);
    EXPECT_FALSE(paper.listar3.visible);
    EXPECT_FALSE(paper.listar1.filled || paper.listar1.border);
    EXPECT_FLOAT_EQ(paper.listar1.left, before.listar1.left - before.listar1.width / 2 - 200);
    EXPECT_EQ(analysis.board, before);  // restored exactly
}

TEST_F(Printing, ACancelledDialogOrAFailedPrintLeavesTheWindowAsItWas) {
    calculate_two_layers();
    const Board before = analysis.board;
    printer.choose = false;
    program.stampa();
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_EQ(analysis.board, before);
    printer.choose = true;
    printer.works = false;
    program.stampa();
    EXPECT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(analysis.board, before);
    EXPECT_TRUE(prompter.shown.empty());  // a failed print ends silently
}

TEST_F(Printing, PdfExportAsksForAFileThenWritesTheWindowAndTheReport) {
    calculate_two_layers();
    const Board before = analysis.board;
    program.esporta_pdf();  // the dialog cancelled
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_EQ(files.shown.back().dialog.filter, "PDF (*.pdf)|*.pdf");

    const auto path = file("trave.pdf").string();
    files.answer_next(path);
    program.esporta_pdf();
    EXPECT_EQ(printer.pdf_path, path);
    EXPECT_TRUE(printer.printed.front().sf.visible);
    EXPECT_NE(std::find(printer.pdf_lines.begin(), printer.pdf_lines.end(), "Asse neutro: x=cm " + analysis.results.lx.text),
              printer.pdf_lines.end());
    EXPECT_EQ(analysis.board, before);

    printer.works = false;
    files.answer_next(path);
    program.esporta_pdf();
    EXPECT_EQ(prompter.shown.back(), (Message{"Impossibile scrivere il file " + path, Icon::critical, Buttons::ok,
                                              "Attenzione"}));
}

}  // namespace
}  // namespace norvexa
