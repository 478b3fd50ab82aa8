#include "shell/ui/help_rich_text.h"

#include <string>
#include <utility>
#include <vector>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <gtest/gtest.h>

namespace norvexa {
namespace {

struct Shape {
    bool bold, italic, underline;
    double size;          // as read
    const char* family;
    double shown_size;    // held between 4 and 96
    QStringList families;
};

const Shape shapes[] = {
    {false, false, false, 10, "", 10, {}},
    {true, false, false, 12, "Arial", 12, {"Arial", "Liberation Sans", "sans-serif"}},
    {false, true, false, 14, "Courier New", 14, {"Courier New", "Liberation Mono", "monospace"}},
    {false, false, true, 2, "", 4, {}},
    {true, true, false, 200, "Times New Roman", 96, {"Times New Roman", "Liberation Serif", "serif"}},
};
const RtfAlignment alignments[] = {RtfAlignment::left, RtfAlignment::centre, RtfAlignment::right,
                                   RtfAlignment::justified};
const Qt::Alignment shown_alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};

constexpr int paragraphs_around_table = 30, runs_per_paragraph = 7;

RtfRun run(std::string text, const Shape& shape) {
    return {std::move(text), shape.bold, shape.italic, shape.underline, shape.size, shape.family};
}

// Paragraph i: seven runs with a line break each, run j in shape (i + j) % 5 so that no two
// neighbours share a format; the alignments in turn; every fourth paragraph hangs its first
// line 240 twips out of a 360 twips indent, which puts a tab 16 pixels in.
RtfParagraph paragraph(int i) {
    RtfParagraph shown;
    for (int j = 0; j < runs_per_paragraph; ++j)
        shown.runs.push_back(run("p" + std::to_string(i) + "\nr" + std::to_string(j) + " ", shapes[(i + j) % 5]));
    shown.alignment = alignments[i % 4];
    if (i % 4 == 3) {
        shown.left_indent = 360;
        shown.first_line_indent = -240;
    }
    return shown;
}

RtfParagraph row(std::vector<RtfRun> runs) {
    RtfParagraph shown;
    shown.runs = std::move(runs);
    shown.table_row = true;
    return shown;
}

QString shown(const std::string& text) {
    return QString::fromStdString(text).replace('\n', QChar(QChar::LineSeparator));
}

// The block holds paragraph i: its text, one fragment a run in its format, its alignment and tab.
void expect_paragraph(const QTextBlock& block, int i) {
    const RtfParagraph expected = paragraph(i);
    const std::string name = "paragraph " + std::to_string(i);
    ASSERT_TRUE(block.isValid()) << name;
    ASSERT_EQ(block.text(), shown(expected.text())) << name;
    EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, shown_alignments[i % 4]) << name;
    const QList<QTextOption::Tab> tabs = i % 4 == 3 ? QList{QTextOption::Tab(16, QTextOption::LeftTab)}
                                                    : QList<QTextOption::Tab>{};
    EXPECT_EQ(block.blockFormat().tabPositions(), tabs) << name;
    int j = 0;
    for (auto it = block.begin(); !it.atEnd(); ++it, ++j) {
        ASSERT_LT(j, runs_per_paragraph) << name;
        const Shape& shape = shapes[(i + j) % 5];
        const QTextCharFormat format = it.fragment().charFormat();
        const std::string run = name + " run " + std::to_string(j);
        EXPECT_EQ(it.fragment().text(), shown(expected.runs[static_cast<std::size_t>(j)].text)) << run;
        EXPECT_EQ(format.fontWeight(), shape.bold ? QFont::Bold : QFont::Normal) << run;
        EXPECT_EQ(format.fontItalic(), shape.italic) << run;
        EXPECT_EQ(format.fontUnderline(), shape.underline) << run;
        EXPECT_EQ(format.fontPointSize(), shape.shown_size) << run;
        EXPECT_EQ(format.fontFamilies().toStringList(), shape.families) << run;
    }
    EXPECT_EQ(j, runs_per_paragraph) << name;
}

TEST(HelpRichText, EachParagraphIsOneBlockOfItsRunsAndTableRowsOneTable) {
    RtfDocument manual;
    for (int i = 0; i < paragraphs_around_table; ++i) manual.paragraphs.push_back(paragraph(i));
    manual.paragraphs.push_back(row({run("Grandezza", shapes[1]), run("\tValore", shapes[0])}));
    manual.paragraphs.push_back(
        row({run("x\t11,15 ", shapes[0]), run("cm", shapes[2]), run("\tda verificare", shapes[0])}));
    for (int i = paragraphs_around_table; i < 2 * paragraphs_around_table; ++i)
        manual.paragraphs.push_back(paragraph(i));
    QTextDocument document;
    fill_text_document(document, manual);

    // The paragraphs' blocks and the table's six cells, no empty block before, after or around.
    EXPECT_EQ(document.blockCount(), 2 * paragraphs_around_table + 6);
    QTextBlock block = document.firstBlock();
    for (int i = 0; i < paragraphs_around_table; ++i, block = block.next()) expect_paragraph(block, i);

    QTextTable* table = QTextCursor(block).currentTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 3);
    const char* const cells[2][3] = {{"Grandezza", "Valore", ""}, {"x", "11,15 cm", "da verificare"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(table->cellAt(r, c).firstCursorPosition().block().text(), cells[r][c]) << r << ", " << c;
    EXPECT_EQ(table->cellAt(0, 0).firstCursorPosition().charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(table->cellAt(1, 1).lastCursorPosition().charFormat().fontItalic());

    block = document.findBlock(table->lastPosition() + 1);
    for (int i = paragraphs_around_table; i < 2 * paragraphs_around_table; ++i, block = block.next())
        expect_paragraph(block, i);
    EXPECT_FALSE(block.isValid());
}

}  // namespace
}  // namespace norvexa
