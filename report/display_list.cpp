#include "display_list.h"

#include <QStringList>
#include <algorithm>

namespace report {

Length Primitive::textLeft() const {
    switch (alignment) {
    case BoxAlignment::Left: return area.left;
    case BoxAlignment::Center: return area.left + (area.width - textWidth) / 2;
    case BoxAlignment::Right: return area.right() - textWidth;
    }
    return area.left;
}

QStringList Page::texts() const {
    QStringList result;
    for (const Primitive& p : items)
        if (p.kind == Primitive::Kind::Text) result << p.text;
    return result;
}

QStringList Page::texts(int band) const {
    QStringList result;
    for (const Primitive& p : items)
        if (p.kind == Primitive::Kind::Text && p.band == band) result << p.text;
    return result;
}

int Page::countBands(BandKind kind) const {
    return static_cast<int>(std::count_if(bands.begin(), bands.end(),
                                          [kind](const PlacedBand& b) { return b.kind == kind; }));
}

}  // namespace report
