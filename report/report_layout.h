#pragma once
// The band model of a report: page settings, bands and the boxes on them. A layout is plain
// data; ReportProducer walks the rows and turns it into pages.

#include <QString>
#include <QStringList>
#include <Qt>
#include <vector>

#include "units.h"

namespace report {

struct FontDef {
    QString family;
    double pointSize = 10;
    bool operator==(const FontDef&) const = default;
};

enum class BoxKind {
    Label,       // prints its caption
    DataText,    // prints a field of the current row, formatted by the field's kind
    Expression,  // prints the running sum of a product of fields
};

enum class BoxAlignment { Left, Center, Right };

struct BoxDef {
    QString name;  // component name ("QRLabel1"), also the key for print-time handlers
    BoxKind kind = BoxKind::Label;
    QString text;  // label: caption; data text: field name; expression: its source text
    QStringList sumFactors;  // expression: the fields multiplied and summed per detail row
    Length left = 0, top = 0, width = 0, height = 0;
    FontDef font;  // empty family: the report's font
    BoxAlignment alignment = BoxAlignment::Left;
    bool autoSize = false;  // takes the width of its text on one line instead of wrapping
};

enum class BandKind { Title, ColumnHeader, Detail, Summary, PageFooter };
constexpr int kBandKindCount = 5;

struct BandDef {
    BandKind kind = BandKind::Detail;
    QString name;
    Length height = 0;
    Length topFrameWidth = 0;  // a solid black line along the top edge; 0 for none
    std::vector<BoxDef> boxes;  // painted in this order, later boxes over earlier ones
};

struct ReportLayout {
    Length paperWidth = mm(215.9);
    Length paperHeight = mm(279.4);
    Length topMargin = mm(10), bottomMargin = mm(10), leftMargin = mm(10), rightMargin = mm(10);
    FontDef font{"Arial", 10};
    bool printIfEmpty = true;
    QString title;  // the preview window's caption
    std::vector<BandDef> bands;  // at most one of each kind

    Length bandWidth = mm(195.9);  // every band's width, its left edge on the left margin

    const BandDef* band(BandKind kind) const;  // nullptr when the layout has none
};

}  // namespace report
