#include "frame_scroll_box.h"

#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int margin = 6;

// Moves `bar` so that [start, end) lies inside the visible [visibleStart, + visibleLength).
void bringInside(QScrollBar* bar, int start, int end, int visibleStart, int visibleLength) {
    if (start < visibleStart)
        bar->setValue(bar->value() + start - visibleStart);
    else if (end > visibleStart + visibleLength)
        bar->setValue(bar->value() + std::min(start - visibleStart, end - visibleStart - visibleLength));
}

}  // namespace

FrameScrollBox::FrameScrollBox(QSize scrollRange, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    // The ranges are how far the bars scroll; where the visible part is larger than a range
    // the content grows to it, so a control reaching past the range is not cut off.
    auto* content = new QWidget;
    content->setMinimumSize(scrollRange);
    setWidget(content);
    setWidgetResizable(true);
}

void FrameScrollBox::scrollIntoView(QWidget* child) {
    if (!widget() || !widget()->isAncestorOf(child)) return;
    const QRect wanted = QRect(child->mapTo(viewport(), QPoint(0, 0)), child->size())
                             .adjusted(-margin, -margin, margin, margin);
    const QRect visible = viewport()->rect();
    bringInside(horizontalScrollBar(), wanted.left(), wanted.right() + 1, visible.left(),
                visible.width());
    bringInside(verticalScrollBar(), wanted.top(), wanted.bottom() + 1, visible.top(),
                visible.height());
}

// Tab within the scroll area: the scroll area's own handling would keep only the text cursor
// in view, with wider margins.
bool FrameScrollBox::focusNextPrevChild(bool next) {
    if (!QWidget::focusNextPrevChild(next)) return false;
    if (QWidget* focused = focusWidget()) scrollIntoView(focused);
    return true;
}
