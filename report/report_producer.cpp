#include "report_producer.h"

#include <QCoreApplication>
#include <algorithm>

#include "field_kind.h"
#include "locale_settings.h"
#include "report_error.h"
#include "report_texts.h"
#include "text_metrics.h"

namespace report {

namespace {

double numberOf(const engine::Value& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) return static_cast<double>(*i);
    if (const auto* d = std::get_if<double>(&value)) return *d;
    if (const auto* s = std::get_if<std::string>(&value)) {
        bool ok = false;
        const double d = QString::fromStdString(*s).trimmed().toDouble(&ok);
        return ok ? d : 0.0;
    }
    return 0.0;
}

// Room for an automatically sized box: up to the nearest box starting to its right on the
// same lines, or the end of the band.
Length roomToTheRight(const BandDef& band, const BoxDef& box, Length bandWidth) {
    Length limit = bandWidth;
    for (const BoxDef& other : band.boxes) {
        const bool sameLines = other.top < box.top + box.height && box.top < other.top + other.height;
        if (&other != &box && sameLines && other.left > box.left) limit = std::min(limit, other.left);
    }
    return limit;
}

class CollectingSink : public PageSink {
public:
    explicit CollectingSink(ReportDocument& document) : document_(document) {}
    void pageFinished(Page&& page) override { document_.pages.push_back(std::move(page)); }

private:
    ReportDocument& document_;
};

}  // namespace

ReportProducer::ReportProducer(const ReportLayout& layout, RowSource& rows,
                               const PrintHandlers& handlers)
    : layout_(layout), rows_(rows), handlers_(handlers) {}

void ReportProducer::prepare() {
    bands_.clear();
    for (BandKind kind : {BandKind::Title, BandKind::ColumnHeader, BandKind::Detail,
                          BandKind::Summary, BandKind::PageFooter})
        bands_[kind] = BandRun{};
    for (const BandDef& band : layout_.bands) {
        BandRun run{&band, {}};
        for (const BoxDef& box : band.boxes) {
            BoxRun boxRun;
            boxRun.def = &box;
            if (box.kind == BoxKind::DataText) boxRun.field = rows_.fieldIndex(box.text);
            for (const QString& factor : box.sumFactors) {
                const int index = rows_.fieldIndex(factor);
                if (index < 0) throw ReportError(texts::fieldNotFound.arg(rows_.name(), factor));
                boxRun.factors.push_back(index);
            }
            boxRun.clipRight = roomToTheRight(band, box, layout_.bandWidth);
            run.boxes.push_back(boxRun);
        }
        bands_[band.kind] = std::move(run);
    }
}

bool ReportProducer::run(PageSink& sink) {
    sink_ = &sink;
    prepare();
    startPage();
    rows_.first();
    const BandRun& detail = bands_.at(BandKind::Detail);
    const BandRun& summary = bands_.at(BandKind::Summary);
    if (!rows_.eof()) {
        printBand(bands_.at(BandKind::Title), true);
        printBand(bands_.at(BandKind::ColumnHeader), true);
        while (!rows_.eof()) {
            if (!fits(detail)) changePage();
            addRowToSums();
            printBand(detail, true);
            rows_.next();
            if (QCoreApplication::instance()) QCoreApplication::processEvents();
            if (sink.cancelRequested()) return false;
        }
        if (!fits(summary)) changePage();
        printBand(summary, false);
    } else if (layout_.printIfEmpty) {
        printBand(bands_.at(BandKind::Title), false);
        printBand(detail, false);
        printBand(summary, false);
    }
    finishPage();
    return true;
}

bool ReportProducer::fits(const BandRun& band) const {
    if (!band.def) return true;
    const BandRun& footer = bands_.at(BandKind::PageFooter);
    const Length footerHeight = footer.def ? footer.def->height : 0;
    return band.def->height < layout_.paperHeight - layout_.bottomMargin - footerHeight - position_;
}

void ReportProducer::startPage() {
    page_ = Page{};
    position_ = layout_.topMargin;
}

void ReportProducer::finishPage() {
    const BandRun& footer = bands_.at(BandKind::PageFooter);
    if (footer.def)
        placeBand(footer, layout_.paperHeight - layout_.bottomMargin - footer.def->height, false);
    sink_->pageFinished(std::move(page_));
}

void ReportProducer::changePage() {
    finishPage();
    startPage();
    printBand(bands_.at(BandKind::ColumnHeader), true);
}

void ReportProducer::printBand(const BandRun& band, bool withRow) {
    if (!band.def) return;
    placeBand(band, position_, withRow);
    position_ += band.def->height;
}

void ReportProducer::placeBand(const BandRun& band, Length top, bool withRow) {
    const BandDef& def = *band.def;
    const int bandIndex = static_cast<int>(page_.bands.size());
    page_.bands.push_back({def.kind, top, def.height});
    const Area bandArea{layout_.leftMargin, top, layout_.bandWidth, def.height};

    Primitive background;
    background.kind = Primitive::Kind::WhiteFill;
    background.band = bandIndex;
    background.area = bandArea;
    page_.items.push_back(background);

    for (const BoxRun& box : band.boxes) placeBox(box, boxText(box, withRow), bandArea, bandIndex);

    if (def.topFrameWidth > 0) {
        Primitive frame;
        frame.kind = Primitive::Kind::BlackFill;
        frame.band = bandIndex;
        frame.area = {bandArea.left, top, bandArea.width, def.topFrameWidth};
        page_.items.push_back(frame);
    }
}

QString ReportProducer::boxText(const BoxRun& box, bool withRow) const {
    const BoxDef& def = *box.def;
    QString text;
    switch (def.kind) {
    case BoxKind::Label:
        text = def.text;
        break;
    case BoxKind::DataText:
        if (withRow && box.field >= 0) {
            const engine::Value value = rows_.value(box.field);
            try {
                text = fieldtext::displayText(rows_.fieldKind(box.field), value,
                                              LocaleSettings::current());
            } catch (const std::exception&) {
                text.clear();  // a value that does not convert leaves the box empty
            }
        }
        break;
    case BoxKind::Expression:
        if (box.sum) text = fieldtext::formatGeneral(*box.sum, LocaleSettings::current());
        break;
    }
    if (!text.isEmpty()) {
        const auto handler = handlers_.find(def.name);
        if (handler != handlers_.end() && handler->second) handler->second(text);
    }
    return text;
}

void ReportProducer::placeBox(const BoxRun& box, const QString& text, const Area& bandArea,
                              int bandIndex) {
    const BoxDef& def = *box.def;
    const FontDef& font = def.font.family.isEmpty() ? layout_.font : def.font;
    const Length left = bandArea.left + def.left;
    const Length top = bandArea.top + def.top;

    Primitive fill;
    fill.kind = Primitive::Kind::WhiteFill;
    fill.band = bandIndex;

    Primitive line;
    line.kind = Primitive::Kind::Text;
    line.band = bandIndex;
    line.font = font;
    line.alignment = def.alignment;

    if (def.autoSize) {
        line.text = singleLine(text);
        line.textWidth = textWidth(font, line.text);
        if (line.textWidth == 0) return;  // an empty box has no width to paint
        line.area = {left, top, line.textWidth, def.height};
        line.clip = line.area;
        line.clip.width = std::min(line.textWidth, bandArea.left + box.clipRight - left);
        fill.area = line.clip;
        page_.items.push_back(fill);
        page_.items.push_back(line);
        return;
    }

    const Area boxArea{left, top, def.width, def.height};
    fill.area = boxArea;
    page_.items.push_back(fill);
    if (text.isEmpty()) return;
    const Length height = lineHeight(font);
    const QStringList lines = wrapAtBlanks(font, text, def.width);
    for (int k = 0; k < lines.size(); ++k) {
        if (k > 0 && (k + 1) * height > def.height) break;  // lines beyond the box's height
        line.text = lines[k];
        line.line = k;
        line.textWidth = textWidth(font, line.text);
        line.area = {left, top + k * height, def.width, height};
        line.clip = boxArea;
        page_.items.push_back(line);
    }
}

void ReportProducer::addRowToSums() {
    for (auto& [kind, band] : bands_) {
        for (BoxRun& box : band.boxes) {
            if (box.def->kind != BoxKind::Expression) continue;
            double product = 1;
            for (int factor : box.factors) product *= numberOf(rows_.value(factor));
            box.sum = box.sum.value_or(0.0) + product;
        }
    }
}

ReportDocument produceDocument(const ReportLayout& layout, RowSource& rows,
                               const PrintHandlers& handlers) {
    ReportDocument document;
    document.paperWidth = layout.paperWidth;
    document.paperHeight = layout.paperHeight;
    CollectingSink sink(document);
    ReportProducer(layout, rows, handlers).run(sink);
    return document;
}

}  // namespace report
