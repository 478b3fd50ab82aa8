// The window "Pressoflessione" in the desktop program, offscreen.
#include "capacity/ui/combinations_window_view.h"

#include <filesystem>
#include <fstream>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "capacity/ui/capacity_plot.h"
#include "common/program_folder.h"
#include "materials/material_files.h"
#include "scratch_folder.h"
#include "scripted_program.h"
#include "shell/ui/desktop_program.h"
#include "shell/ui/main_window.h"

namespace norvexa::capacity {
namespace {

class Pressoflessione : public testing::Test {
  protected:
    Pressoflessione() {
        std::filesystem::create_directories(concrete_folder());
        std::filesystem::create_directories(steel_folder());
        write_material(reference_material(MaterialKind::concrete));
        write_material(reference_material(MaterialKind::steel));
        desktop.emplace(std::nullopt, DesktopProgram::Dialogs{&prompter, &files, nullptr, nullptr, nullptr});
        desktop->attiva();
        enter_worked_example(program().form);
        program().form.salvaconnome = false;
        main().menu_action("pressoflessione")->trigger();
        main().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main()));
    }
    Program& program() { return desktop->program(); }
    MainWindow& main() { return *desktop->main_window(); }
    CombinationsWindowView* view() {
        return static_cast<CombinationsWindowView*>(main().child_view(ChildWindow::pressoflessione));
    }
    void edit(int row, Column column, const QString& text) {
        QTableWidget* table = view()->table();
        table->setCurrentCell(row, static_cast<int>(column));
        table->setFocus();
        table->editItem(table->currentItem());
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_TRUE(editor && editor->parentWidget() == table->viewport());
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();  // the editor hands its text over once back in the event loop

    }
    QString shown(int row, Column column) { return view()->table()->item(row, static_cast<int>(column))->text(); }

    ScratchHome home;
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    std::optional<DesktopProgram> desktop;
};

// ctgθ typed from the keyboard is taken when the focus leaves; the headers follow the code
// and the detailing rules show under the table.
TEST_F(Pressoflessione, TheStrutInclinationIsTypedAndTheDetailingRulesShown) {
    program().combinations.rows = {{"V", 0, 100, 80.0}};
    main().menu_action("pressoflessione")->trigger();
    QTableWidget* table = view()->table();
    auto* cot = qobject_cast<QComboBox*>(view()->control("cot"));
    ASSERT_TRUE(cot && cot->isEditable());
    cot->setFocus();
    cot->lineEdit()->selectAll();
    QTest::keyClicks(cot->lineEdit(), "2");
    QTest::keyClick(cot->lineEdit(), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(program().combinations.cot_theta, 2.0);
    static_cast<QPushButton*>(view()->control("Calcola"))->click();
    EXPECT_EQ(table->horizontalHeaderItem(static_cast<int>(Column::cot_theta))->text(), "ctgθ");
    EXPECT_EQ(shown(0, Column::cot_theta), "2");
    auto* rules = view()->findChild<QLabel*>("dettagli");
    ASSERT_TRUE(rules);
    EXPECT_TRUE(rules->isVisible());
    EXPECT_TRUE(rules->text().contains("Staffe: passo massimo"));

    auto* norma = qobject_cast<QComboBox*>(view()->control("norma"));
    norma->setCurrentIndex(0);
    emit norma->activated(0);
    QApplication::processEvents();
    EXPECT_EQ(table->horizontalHeaderItem(static_cast<int>(Column::VRd_c))->text(), "Vrd1 [kN]");
    EXPECT_FALSE(cot->isEnabled());
}

TEST_F(Pressoflessione, TypedAndPastedRowsAreVerifiedAndTheGoverningRowMarked) {
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(main().menu_action("pressoflessione")->shortcut(), QKeySequence("F6"));
    QTableWidget* table = view()->table();
    EXPECT_EQ(table->horizontalHeaderItem(static_cast<int>(Column::MEd))->text(), "MEd [kNm]");

    static_cast<QPushButton*>(view()->control("Aggiungi"))->click();
    edit(0, Column::MEd, "50,5");
    EXPECT_EQ(program().combinations.rows.at(0).MEd, 50.5);
    EXPECT_TRUE(main().isWindowModified());
    edit(0, Column::NEd, "cento");
    ASSERT_FALSE(prompter.shown.empty());
    EXPECT_EQ(prompter.shown.back().text, "Errore di sintassi: cento");
    EXPECT_EQ(shown(0, Column::NEd), "0");

    table->setCurrentCell(0, 0);
    QApplication::clipboard()->setText("C2\t200\t-400\nC3\t5000\t10\n");
    table->setCurrentCell(1, 0);
    QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(shown(2, Column::NEd), "5000");

    static_cast<QPushButton*>(view()->control("Calcola"))->click();
    EXPECT_EQ(shown(0, Column::verdict), "verificata");
    EXPECT_EQ(shown(2, Column::verdict), "fuori dominio");
    EXPECT_EQ(table->item(2, static_cast<int>(Column::verdict))->foreground().color(), QColor(Qt::red));
    EXPECT_EQ(table->verticalHeaderItem(2)->text(), "▶ 3");
    ASSERT_TRUE(view()->domain_plot()->content());
    EXPECT_EQ(view()->domain_plot()->content()->marks.size(), 3u);
    EXPECT_FALSE(view()->control("lblOutdated")->isVisible());

    // A change of the form leaves the results behind; F9 brings both windows up to date.
    program().form.type("th", "55");
    program().form.leave("th");
    main().refresh();
    EXPECT_TRUE(view()->control("lblOutdated")->isVisible());
    program().recalculate();
    main().refresh();
    EXPECT_FALSE(view()->control("lblOutdated")->isVisible());
    EXPECT_FALSE(program().analysis.results_outdated());
}

TEST_F(Pressoflessione, TheDomainNumbersEachRowRedWhereNotVerifiedAndReadsOutUnderThePointer) {
    CapacityPlot* plot = view()->domain_plot();
    EXPECT_EQ(plot->readout_at(plot->rect().center()), "") << "nothing to read before Calcola";
    program().pressoflessione.paste(0, Column::name, "C1\t0\t50\nC2\t200\t-400\nC3\t5000\t10\n");
    program().pressoflessione.calculate();
    main().refresh();
    ASSERT_TRUE(plot->content());
    const auto& marks = plot->content()->marks;
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].label, "1");
    EXPECT_EQ(marks[0].colour, QColor(0, 128, 0));
    EXPECT_EQ(marks[1].colour, QColor(Qt::red));
    EXPECT_EQ(marks[2].at, QPointF(5000, 10));
    EXPECT_EQ(plot->content()->lines.at(0).points.size(), program().pressoflessione.run()->domain.size());
    const QString readout = plot->readout_at(plot->rect().center());
    EXPECT_TRUE(readout.startsWith("N = ") && readout.endsWith(" kNm")) << readout.toStdString();
    EXPECT_EQ(plot->readout_at(QPointF(1, 1)), "") << "outside the axes";
    ASSERT_TRUE(view()->curvature_plot()->content());
    EXPECT_EQ(view()->curvature_plot()->content()->marks.at(1).label, "ultimo");
}

TEST_F(Pressoflessione, EachPlotIsExportedAsSvgAndPng) {
    program().pressoflessione.paste(0, Column::name, "C1\t0\t50\n");
    program().pressoflessione.calculate();
    main().refresh();
    for (const char* action : {"dominioSvg", "dominioPng", "curvaturaSvg"}) {
        const auto path = home.path() / (std::string(action) + (std::string(action).ends_with("Png") ? ".png" : ".svg"));
        files.answer_next(path.string());
        QWidget* plot = std::string(action).starts_with("dominio") ? static_cast<QWidget*>(view()->domain_plot())
                                                                     : view()->curvature_plot();
        plot->findChild<QAction*>(action)->trigger();
        ASSERT_TRUE(std::filesystem::is_regular_file(path)) << action;
        std::ifstream file(path, std::ios::binary);
        std::string start(8, '\0');
        file.read(start.data(), 8);
        if (path.extension() == ".png") EXPECT_EQ(start.substr(1, 3), "PNG");
        else EXPECT_NE(std::string(std::istreambuf_iterator<char>(file), {}).find("<svg"), std::string::npos);
    }
}

// A row's kind is picked from its list; the service rows then show in their own table,
// and picking one there picks its combination.
TEST_F(Pressoflessione, AKindPickedFromItsListBringsTheServiceTable) {
    program().combinations.rows = {{"U", 0, 100, std::nullopt}, {"S", 0, 60, std::nullopt}};
    main().menu_action("pressoflessione")->trigger();
    QTableWidget* table = view()->table();
    QTableWidget* service = view()->service_table();
    EXPECT_FALSE(service->isVisible());
    table->setCurrentCell(1, static_cast<int>(Column::kind));
    table->setFocus();
    table->editItem(table->currentItem());
    auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_TRUE(list);
    EXPECT_EQ(list->count(), 4);
    list->setCurrentIndex(3);
    QTest::keyClick(list, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(program().combinations.rows.at(1).kind, Kind::quasi_permanent);
    static_cast<QPushButton*>(view()->control("Calcola"))->click();
    EXPECT_TRUE(service->isVisible());
    ASSERT_EQ(service->rowCount(), 1);
    EXPECT_EQ(service->verticalHeaderItem(0)->text(), "2");
    EXPECT_EQ(service->item(0, static_cast<int>(ServiceColumn::kind))->text(), "quasi permanente");
    EXPECT_FALSE(service->item(0, static_cast<int>(ServiceColumn::sigma_c))->text().isEmpty());
    table->setCurrentCell(0, 0);
    service->setCurrentCell(0, 0);
    EXPECT_EQ(program().pressoflessione.selected(), 1);
}

}  // namespace
}  // namespace norvexa::capacity
