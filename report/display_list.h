#pragma once
// Produced pages as a display list: per page the bands placed on it and the primitives to
// draw, in drawing order. The same list is painted on the preview, the printer and PDF, saved
// to report files and exported as text. Coordinates are hundredths of a millimetre from the
// paper's top-left corner.

#include <QString>
#include <QStringList>
#include <vector>

#include "report_layout.h"
#include "units.h"

namespace report {

struct Area {
    Length left = 0, top = 0, width = 0, height = 0;
    Length right() const { return left + width; }
    Length bottom() const { return top + height; }
    bool operator==(const Area&) const = default;
};

struct PlacedBand {
    BandKind kind = BandKind::Detail;
    Length top = 0;
    Length height = 0;
    bool operator==(const PlacedBand&) const = default;
};

struct Primitive {
    enum class Kind { WhiteFill, BlackFill, Text };
    Kind kind = Kind::WhiteFill;
    int band = -1;  // index into the page's bands
    Area area;      // fills: the area; text: the line's box (text aligned within it)
    // Text only.
    Area clip;       // nothing outside is drawn
    QString text;
    FontDef font;
    BoxAlignment alignment = BoxAlignment::Left;
    int line = 0;           // line number within its box
    Length textWidth = 0;   // measured width of the text
    bool operator==(const Primitive&) const = default;

    Length textLeft() const;  // where the text starts, from its alignment within the area
};

struct Page {
    std::vector<PlacedBand> bands;
    std::vector<Primitive> items;
    bool operator==(const Page&) const = default;

    // Texts of the page in drawing order, and those of one band.
    QStringList texts() const;
    QStringList texts(int band) const;
    int countBands(BandKind kind) const;
};

struct ReportDocument {
    Length paperWidth = mm(215.9);
    Length paperHeight = mm(279.4);
    std::vector<Page> pages;
    bool operator==(const ReportDocument&) const = default;
};

}  // namespace report
