#include "text_export.h"

#include <QSaveFile>
#include <algorithm>
#include <map>

#include "report_error.h"
#include "report_texts.h"

namespace report {

namespace {

constexpr Length kColumnWidth = mm(2.0);

int column(Length x) { return (x + kColumnWidth / 2) / kColumnWidth; }

// The column a text starts in, from the side its box aligns it to.
int startColumn(const Primitive& text) {
    const int length = static_cast<int>(text.text.size());
    switch (text.alignment) {
    case BoxAlignment::Left: return column(text.area.left);
    case BoxAlignment::Center: return column(text.area.left + text.area.width / 2) - length / 2;
    case BoxAlignment::Right: return column(text.area.right()) - length;
    }
    return column(text.area.left);
}

QStringList pageLines(const Page& page) {
    QStringList lines;
    for (int band = 0; band < static_cast<int>(page.bands.size()); ++band) {
        if (page.bands[band].kind == BandKind::PageFooter) continue;
        std::map<int, std::vector<const Primitive*>> byLine;
        byLine[0];  // a band without text still takes its line
        for (const Primitive& item : page.items)
            if (item.kind == Primitive::Kind::Text && item.band == band)
                byLine[item.line].push_back(&item);
        for (auto& [line, texts] : byLine) {
            std::sort(texts.begin(), texts.end(), [](const Primitive* a, const Primitive* b) {
                return a->textLeft() < b->textLeft();
            });
            QString out;
            for (const Primitive* text : texts) {
                int start = std::max(0, startColumn(*text));
                if (!out.isEmpty()) start = std::max(start, static_cast<int>(out.size()) + 1);
                out = out.leftJustified(start, ' ') + text->text;
            }
            lines << out;
        }
    }
    return lines;
}

}  // namespace

QString documentText(const ReportDocument& document) {
    std::vector<QStringList> pages;
    int indent = -1;  // blanks every line starts with, removed
    for (const Page& page : document.pages) {
        pages.push_back(pageLines(page));
        for (const QString& line : pages.back()) {
            int blanks = 0;
            while (blanks < line.size() && line[blanks] == ' ') ++blanks;
            if (blanks < line.size() && (indent < 0 || blanks < indent)) indent = blanks;
        }
    }
    QString text;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) text += QLatin1Char('\f');
        for (const QString& line : pages[p]) text += line.mid(std::max(indent, 0)) + '\n';
    }
    return text;
}

void saveTextFile(const ReportDocument& document, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) ||
        file.write(documentText(document).toUtf8()) < 0 || !file.commit())
        throw ReportError(texts::fileUnwritable.arg(path, file.errorString()));
}

}  // namespace report
