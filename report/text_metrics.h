#pragma once
// Measuring report text: fonts are sized in hundredths of a millimetre, so widths measured
// once at production hold on every device the page is later painted on.

#include <QFont>
#include <QStringList>

#include "report_layout.h"

namespace report {

// The font for painting and measuring in report units (pixel size = height in 1/100 mm).
QFont reportFont(const FontDef& def);

Length textWidth(const FontDef& font, const QString& text);
Length lineHeight(const FontDef& font);

// Breaks `text` at blanks into lines no wider than `width`; a word wider than that keeps a line
// of its own. Line breaks in the text start new lines.
QStringList wrapAtBlanks(const FontDef& font, const QString& text, Length width);

// The text on one line: line breaks and tabs become blanks.
QString singleLine(const QString& text);

}  // namespace report
