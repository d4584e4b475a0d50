#include "invoice_layout.h"

namespace report {

namespace {

BoxDef label(const char* name, const QString& caption, double left, double top, double width,
             double height, BoxAlignment alignment, bool autoSize, FontDef font = {}) {
    BoxDef box;
    box.name = QString::fromLatin1(name);
    box.kind = BoxKind::Label;
    box.text = caption;
    box.left = mm(left);
    box.top = mm(top);
    box.width = mm(width);
    box.height = mm(height);
    box.font = std::move(font);
    box.alignment = alignment;
    box.autoSize = autoSize;
    return box;
}

BoxDef dataText(const char* name, const QString& field, double left, double top, double width,
                double height, BoxAlignment alignment, bool autoSize, FontDef font = {}) {
    BoxDef box = label(name, field, left, top, width, height, alignment, autoSize, std::move(font));
    box.kind = BoxKind::DataText;
    return box;
}

BandDef band(BandKind kind, const char* name, double height) {
    BandDef b;
    b.kind = kind;
    b.name = QString::fromLatin1(name);
    b.height = mm(height);
    return b;
}

ReportLayout makeInvoiceLayout() {
    using A = BoxAlignment;
    ReportLayout layout;
    layout.paperWidth = mm(215.9);
    layout.paperHeight = mm(279.4);
    layout.topMargin = layout.bottomMargin = layout.leftMargin = layout.rightMargin = mm(10.0);
    layout.font = {QStringLiteral("Arial"), 10};
    layout.printIfEmpty = true;
    layout.bandWidth = mm(195.79);

    BandDef title = band(BandKind::Title, "TitleBand1", 10.58);
    title.boxes = {
        label("QRLabel1", QStringLiteral("Nota Fiscal"), 79.64, 1.06, 36.51, 8.73, A::Left, true,
              {QStringLiteral("Arial"), 20}),
        dataText("QRDBText7", QStringLiteral("numero_nf"), 131.23, 3.18, 24.61, 6.35, A::Left,
                 true, {QStringLiteral("Arial"), 15}),
    };

    BandDef header = band(BandKind::ColumnHeader, "ColumnHeaderBand1", 10.58);
    header.boxes = {
        label("QRLabel2", QStringLiteral("Unidade"), 6.88, 4.23, 12.70, 4.50, A::Left, true),
        label("QRLabel3", QStringLiteral("Quantidade"), 29.63, 4.23, 17.73, 4.50, A::Left, true),
        label("QRLabel4", QStringLiteral("Descricao"), 50.80, 4.23, 15.61, 4.50, A::Left, true),
        label("QRLabel5", QStringLiteral("Vlr Unitário"), 112.18, 4.23, 26.19, 4.50, A::Center,
              false),
        label("QRLabel6", QStringLiteral("Total"), 141.82, 4.23, 28.31, 4.50, A::Center, false),
    };

    BandDef detail = band(BandKind::Detail, "DetailBand1", 5.82);
    detail.boxes = {
        // Bound to a field named like the box itself, which the query does not have: the
        // column under "Unidade" stays blank.
        dataText("QRDBText1", QStringLiteral("QRDBText1"), 6.35, 0.53, 18.52, 4.50, A::Left, true),
        dataText("QRDBText2", QStringLiteral("quantidade"), 29.63, 0.53, 16.93, 4.50, A::Left, true),
        dataText("QRDBText3", QStringLiteral("descricao"), 50.80, 0.53, 15.08, 4.50, A::Left, true),
        dataText("QRDBText4", QStringLiteral("valor"), 112.18, 0.53, 26.46, 4.50, A::Right, false),
        dataText("QRDBText5", QStringLiteral("valor * quantidade"), 141.82, 0.53, 28.58, 4.50,
                 A::Right, false),
    };

    BandDef summary = band(BandKind::Summary, "SummaryBand1", 6.35);
    summary.topFrameWidth = mm(0.35);
    BoxDef total = label("QRExpr1", QStringLiteral("SUM(Query1.valor * quantidade)"), 141.82, 1.06,
                         28.84, 4.50, A::Right, false);
    total.kind = BoxKind::Expression;
    total.sumFactors = {QStringLiteral("valor"), QStringLiteral("quantidade")};
    summary.boxes = {total};

    BandDef footer = band(BandKind::PageFooter, "PageFooterBand1", 7.14);

    layout.bands = {title, header, detail, summary, footer};
    return layout;
}

}  // namespace

const ReportLayout& invoiceLayout() {
    static const ReportLayout layout = makeInvoiceLayout();
    return layout;
}

}  // namespace report
