#include "shell/ui/help_rich_text.h"

#include <algorithm>

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include "common/ui/twips.h"

namespace norvexa {
namespace {

double pixels(int twips) { return twips / static_cast<double>(twips_per_pixel); }

QTextCharFormat char_format(const RtfRun& run) {
    QTextCharFormat format;
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(run.italic);
    format.setFontUnderline(run.underline);
    format.setFontPointSize(std::clamp(run.size, 4.0, 96.0));
    if (!run.family.empty()) format.setFontFamilies(font_families_for(run.family));
    return format;
}

QTextBlockFormat block_format(const RtfParagraph& paragraph) {
    QTextBlockFormat format;
    switch (paragraph.alignment) {
        case RtfAlignment::left: format.setAlignment(Qt::AlignLeft); break;
        case RtfAlignment::centre: format.setAlignment(Qt::AlignHCenter); break;
        case RtfAlignment::right: format.setAlignment(Qt::AlignRight); break;
        case RtfAlignment::justified: format.setAlignment(Qt::AlignJustify); break;
    }
    format.setLeftMargin(pixels(std::max(0, paragraph.left_indent)));
    // A hanging indent's tab lands on the indent, as word processors do: a bullet then its
    // text. Qt measures tab positions from where the first line starts.
    if (paragraph.first_line_indent < 0 && paragraph.left_indent > 0)
        format.setTabPositions({QTextOption::Tab(pixels(-paragraph.first_line_indent), QTextOption::LeftTab)});
    format.setTextIndent(pixels(paragraph.first_line_indent));
    format.setTopMargin(pixels(paragraph.space_before));
    format.setBottomMargin(pixels(paragraph.space_after));
    return format;
}

// A line break inside a paragraph is Qt's line separator; a bare "\n" would start a block.
QString shown_text(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QChar('\n'), QChar(QChar::LineSeparator));
    return shown;
}

int cell_count(const RtfParagraph& row) {
    int tabs = 0;
    for (const RtfRun& run : row.runs) tabs += static_cast<int>(std::count(run.text.begin(), run.text.end(), '\t'));
    return tabs + 1;
}

void fill_table(QTextCursor& cursor, const std::vector<RtfParagraph>& rows) {
    int columns = 1;
    for (const RtfParagraph& row : rows) columns = std::max(columns, cell_count(row));
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellPadding(4);
    format.setCellSpacing(0);
    format.setTopMargin(4);
    format.setBottomMargin(8);
    QTextTable* table = cursor.insertTable(static_cast<int>(rows.size()), columns, format);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        int column = 0;
        QTextCursor cell = table->cellAt(r, 0).firstCursorPosition();
        for (const RtfRun& run : rows[static_cast<std::size_t>(r)].runs) {
            const QTextCharFormat shown = char_format(run);
            std::size_t start = 0;
            while (true) {
                const auto tab = run.text.find('\t', start);
                cell.insertText(shown_text(run.text.substr(start, tab - start)), shown);
                if (tab == std::string::npos) break;
                start = tab + 1;
                cell = table->cellAt(r, ++column).firstCursorPosition();
            }
        }
    }
    cursor.movePosition(QTextCursor::End);
}

}  // namespace

QStringList font_families_for(const std::string& family) {
    if (family.empty()) return {};
    const QString name = QString::fromStdString(family);
    const QString lower = name.toLower();
    if (lower.startsWith("courier")) return {name, "Liberation Mono", "monospace"};
    if (lower.startsWith("times")) return {name, "Liberation Serif", "serif"};
    if (lower == "arial" || lower.startsWith("helvetica")) return {name, "Liberation Sans", "sans-serif"};
    return {name};
}

void fill_text_document(QTextDocument& document, const RtfDocument& rich_text) {
    document.clear();
    QTextCursor cursor(&document);
    // One edit block for the whole fill: outside one, every insertion lays out its paragraph
    // again to place the cursor, and a paragraph costs the square of its runs.
    cursor.beginEditBlock();
    // The document starts with an empty block, and a table leaves one after it: the next
    // paragraph goes there rather than below it.
    bool block_is_free = true;
    const auto& paragraphs = rich_text.paragraphs;
    for (std::size_t i = 0; i < paragraphs.size();) {
        if (paragraphs[i].table_row) {
            std::size_t end = i;
            while (end < paragraphs.size() && paragraphs[end].table_row) ++end;
            fill_table(cursor, {paragraphs.begin() + static_cast<std::ptrdiff_t>(i),
                                paragraphs.begin() + static_cast<std::ptrdiff_t>(end)});
            block_is_free = true;
            i = end;
            continue;
        }
        const RtfParagraph& paragraph = paragraphs[i++];
        if (block_is_free) cursor.setBlockFormat(block_format(paragraph));
        else cursor.insertBlock(block_format(paragraph));
        block_is_free = false;
        for (const RtfRun& run : paragraph.runs) cursor.insertText(shown_text(run.text), char_format(run));
    }
    cursor.endEditBlock();
}

}  // namespace norvexa
