#include "navigator_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

// The outline of each picture on a 16 x 16 grid, filled with one colour.
QPainterPath glyphShape(NavigatorButton button) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);  // overlapping parts (the plus) stay filled
    const auto triangle = [&path](QPoint a, QPoint b, QPoint c) {
        path.addPolygon(QPolygonF(QPolygon{a, b, c, a}));
    };
    switch (button) {
    case NavigatorButton::First:
        path.addRect(3, 4, 2, 8);
        triangle({10, 4}, {10, 12}, {6, 8});
        break;
    case NavigatorButton::Prior:
        triangle({10, 4}, {10, 12}, {6, 8});
        break;
    case NavigatorButton::Next:
        triangle({6, 4}, {6, 12}, {10, 8});
        break;
    case NavigatorButton::Last:
        triangle({6, 4}, {6, 12}, {10, 8});
        path.addRect(11, 4, 2, 8);
        break;
    case NavigatorButton::Insert:
        path.addRect(7, 3, 2, 10);
        path.addRect(3, 7, 10, 2);
        break;
    case NavigatorButton::Delete:
        path.addRect(3, 7, 10, 2);
        break;
    case NavigatorButton::Edit:
        triangle({4, 11}, {12, 11}, {8, 5});
        break;
    case NavigatorButton::Post:
        path.addPolygon(QPolygonF(QPolygon{{2, 8}, {4, 6}, {7, 9}, {12, 3}, {14, 5}, {7, 12}, {2, 8}}));
        break;
    case NavigatorButton::Cancel:
        path.addPolygon(QPolygonF(QPolygon{{3, 4}, {4, 3}, {8, 7}, {12, 3}, {13, 4}, {9, 8},
                                           {13, 12}, {12, 13}, {8, 9}, {4, 13}, {3, 12}, {7, 8},
                                           {3, 4}}));
        break;
    case NavigatorButton::Refresh: {
        QPainterPath ring;
        ring.addEllipse(QRectF(3, 3, 10, 10));
        QPainterPath hole;
        hole.addEllipse(QRectF(5, 5, 6, 6));
        QPainterPath gap;
        gap.addRect(8, 1, 6, 6);
        path = ring.subtracted(hole).subtracted(gap);
        triangle({8, 2}, {8, 8}, {12, 5});
        break;
    }
    }
    return path;
}

QColor glyphColour(NavigatorButton button) {
    switch (button) {
    case NavigatorButton::Post: return QColor(0, 128, 0);
    case NavigatorButton::Cancel: return QColor(160, 0, 0);
    case NavigatorButton::Refresh: return QColor(0, 64, 128);
    default: return QColor(0, 0, 0);
    }
}

}  // namespace

QPixmap navigatorGlyph(NavigatorButton button, bool enabled) {
    QPixmap pixmap(navigatorGlyphSize, navigatorGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    const QPainterPath shape = glyphShape(button);
    if (enabled) {
        painter.setBrush(glyphColour(button));
        painter.drawPath(shape);
    } else {
        painter.setBrush(Qt::white);
        painter.drawPath(shape.translated(1, 1));
        painter.setBrush(QColor(128, 128, 128));
        painter.drawPath(shape);
    }
    return pixmap;
}

QIcon navigatorIcon(NavigatorButton button) {
    QIcon icon;
    icon.addPixmap(navigatorGlyph(button, true), QIcon::Normal);
    icon.addPixmap(navigatorGlyph(button, false), QIcon::Disabled);
    return icon;
}
