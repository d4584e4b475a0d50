#include "bevel_panel.h"

#include <QPainter>

namespace {

constexpr int bevelWidth = 1;
constexpr int borderWidth = 4;

// A 1-pixel bevel just inside `r`: `topLeft` on the top and left edges, `bottomRight` on
// the others.
void drawBevel(QPainter& painter, const QRect& r, const QColor& topLeft,
               const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    painter.setPen(bottomRight);
    painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
    painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
}

}  // namespace

BevelPanel::BevelPanel(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setFocusPolicy(Qt::NoFocus);
}

void BevelPanel::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void BevelPanel::setClient(QWidget* client) {
    client_ = client;
    if (!client_) return;
    client_->setParent(this);
    fitClient();
    client_->show();
}

int BevelPanel::inset() const {
    return kind_ == Kind::Raised ? bevelWidth : 2 * bevelWidth + borderWidth;
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    drawBevel(painter, rect(), light, dark);
    if (kind_ == Kind::Framed) {
        const int inner = bevelWidth + borderWidth;
        drawBevel(painter, rect().adjusted(inner, inner, -inner, -inner), dark, light);
    }
    if (!caption_.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter, caption_);
    }
}

void BevelPanel::fitClient() {
    if (client_) client_->setGeometry(rect().adjusted(inset(), inset(), -inset(), -inset()));
}

void BevelPanel::resizeEvent(QResizeEvent*) { fitClient(); }
