#include "pdf_export.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "page_painter.h"
#include "report_error.h"
#include "report_texts.h"

namespace report {

namespace {

constexpr int kPdfResolution = 1200;

}  // namespace

void savePdfFile(const ReportDocument& document, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(texts::fileUnwritable.arg(path, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setPageSize(QPageSize(QSizeF(document.paperWidth / 100.0, document.paperHeight / 100.0),
                                     QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&writer))
            throw ReportError(texts::fileUnwritable.arg(path, file.errorString()));
        const double scale = pagedDeviceScale(writer);
        for (std::size_t p = 0; p < document.pages.size(); ++p) {
            if (p > 0) writer.newPage();
            paintPage(painter, document.pages[p], scale);
        }
        painter.end();
    }
    if (!file.commit()) throw ReportError(texts::fileUnwritable.arg(path, file.errorString()));
}

}  // namespace report
