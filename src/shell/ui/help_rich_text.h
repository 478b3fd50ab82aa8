#pragma once

#include <QStringList>

#include "report/rtf_reader.h"

class QTextDocument;

namespace norvexa {

// The Linux fonts that stand in for a font a document names: the name itself first, then
// the metric-compatible Liberation font and a generic family.
QStringList font_families_for(const std::string& family);

// Fills the document with the rich text: one block a paragraph, with its runs' bold,
// italic, underline, size (held between 4 and 96 points on screen) and font, its
// alignment, indents and spacing; consecutive table rows become one table.
void fill_text_document(QTextDocument& document, const RtfDocument& rich_text);

}  // namespace norvexa
