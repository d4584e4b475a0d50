#include "page_painter.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "text_metrics.h"

namespace report {

namespace {

QRectF rectOf(const Area& area) { return QRectF(area.left, area.top, area.width, area.height); }

int textFlags(BoxAlignment alignment) {
    const int vertical = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
    switch (alignment) {
    case BoxAlignment::Center: return vertical | Qt::AlignHCenter;
    case BoxAlignment::Right: return vertical | Qt::AlignRight;
    case BoxAlignment::Left: break;
    }
    return vertical | Qt::AlignLeft;
}

}  // namespace

void paintPage(QPainter& painter, const Page& page, double scale) {
    painter.save();
    painter.scale(scale, scale);
    painter.setPen(Qt::black);
    for (const Primitive& item : page.items) {
        switch (item.kind) {
        case Primitive::Kind::WhiteFill:
            painter.fillRect(rectOf(item.area), Qt::white);
            break;
        case Primitive::Kind::BlackFill:
            painter.fillRect(rectOf(item.area), Qt::black);
            break;
        case Primitive::Kind::Text:
            painter.save();
            painter.setClipRect(rectOf(item.clip));
            painter.setFont(reportFont(item.font));
            painter.drawText(rectOf(item.area), textFlags(item.alignment), item.text);
            painter.restore();
            break;
        }
    }
    painter.restore();
}

double pagedDeviceScale(const QPagedPaintDevice& device) {
    return deviceScale(device.logicalDpiX());
}

}  // namespace report
