#include "text_metrics.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace report {

QFont reportFont(const FontDef& def) {
    QFont font(def.family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pointsToLength(def.pointSize)))));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

Length textWidth(const FontDef& font, const QString& text) {
    if (text.isEmpty()) return 0;
    QFontMetricsF metrics(reportFont(font));
    return static_cast<Length>(std::ceil(metrics.horizontalAdvance(text)));
}

Length lineHeight(const FontDef& font) {
    QFontMetricsF metrics(reportFont(font));
    return static_cast<Length>(std::ceil(metrics.height()));
}

QString singleLine(const QString& text) {
    QString line = text;
    for (QChar& c : line)
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    return line;
}

QStringList wrapAtBlanks(const FontDef& font, const QString& text, Length width) {
    QFontMetricsF metrics(reportFont(font));
    QStringList lines;
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
    for (const QString& paragraph : normalized.split('\n')) {
        QString line;
        for (const QString& word : paragraph.split(' ', Qt::SkipEmptyParts)) {
            const QString candidate = line.isEmpty() ? word : line + ' ' + word;
            if (line.isEmpty() || metrics.horizontalAdvance(candidate) <= width) {
                line = candidate;
            } else {
                lines << line;
                line = word;
            }
        }
        lines << line;
    }
    return lines;
}

}  // namespace report
