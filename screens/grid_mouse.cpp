// The grid under the mouse: a click makes its row and column current, a double-click is
// announced, titles are dragged to resize and reorder columns, and the wheel and the vertical
// scroll bar move the current record.

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "data_set.h"
#include "db_grid.h"
#include "event_guard.h"

void DBGrid::mousePressEvent(QMouseEvent* event) {
    guarded([&] {
        if (event->button() != Qt::LeftButton) return;
        if (!hasFocusWithin()) {
            setFocus(Qt::MouseFocusReason);
            // A control that would not let the focus go keeps it, and the click is over.
            if (isActiveWindow() && !hasFocusWithin()) return;
        }
        pressAt(event->position().toPoint());
    });
}

void DBGrid::mouseMoveEvent(QMouseEvent* event) {
    guarded([&] {
        if (event->buttons().testFlag(Qt::LeftButton) && drag_.kind != TitleDrag::Kind::None)
            dragTo(event->position().toPoint());
        else
            updateHoverCursor(event->position().toPoint());
    });
}

void DBGrid::mouseReleaseEvent(QMouseEvent* event) {
    guarded([&] {
        if (event->button() == Qt::LeftButton) releaseAt(event->position().toPoint());
    });
}

// The first click of the double-click has already made its row current.
void DBGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    guarded([&] {
        if (event->button() == Qt::LeftButton) emit doubleClicked();
    });
}

void DBGrid::wheelEvent(QWheelEvent* event) {
    guarded([&] {
        const int delta = event->angleDelta().y();
        if (delta == 0 || !isActive()) return;
        const int steps = std::max(1, std::abs(delta) / 120);
        moveRows(delta > 0 ? -steps : steps);
        event->accept();
    });
}

void DBGrid::pressAt(QPoint position) {
    const GridGeometry::Hit hit = geometryNow().hitTest(position);
    switch (hit.area) {
    case GridGeometry::Hit::Area::Title:
        if (!options_.testFlag(dgColumnResize)) return;
        drag_ = {};
        drag_.start = position;
        if (hit.resizeColumn >= 0) {
            drag_.kind = TitleDrag::Kind::Resize;
            drag_.column = hit.resizeColumn;
        } else if (hit.column >= 0) {
            drag_.kind = TitleDrag::Kind::Move;
            drag_.column = hit.column;
        }
        return;
    case GridGeometry::Hit::Area::Indicator:
    case GridGeometry::Hit::Area::Cell:
        if (!isActive()) return;
        ensureRows();
        if (hit.slot >= rows_.slotCount()) return;
        moveRows(hit.slot - rows_.currentSlot());
        if (hit.area == GridGeometry::Hit::Area::Cell) setCurrentColumn(hit.column);
        return;
    default:
        return;
    }
}

void DBGrid::dragTo(QPoint position) {
    if (drag_.kind == TitleDrag::Kind::Resize) {
        columns_.setWidth(drag_.column, position.x() - geometryNow().columnLeft(drag_.column));
        updateScrollBars();
        placeEditor();
        viewport()->update();
    } else if ((position - drag_.start).manhattanLength() >= QApplication::startDragDistance()) {
        drag_.moved = true;
    }
}

void DBGrid::releaseAt(QPoint position) {
    const TitleDrag drag = drag_;
    drag_ = {};
    if (drag.kind != TitleDrag::Kind::Move || !drag.moved) return;
    const GridGeometry geometry = geometryNow();
    int target = geometry.columnAt(position.x());
    if (target < 0) target = position.x() < geometry.fixedWidth() ? 0 : columns_.count() - 1;
    if (target == drag.column) return;
    Field* current = currentField();  // the current column goes with its field
    columns_.move(drag.column, target);
    currentColumn_ = std::max(0, columns_.indexOf(current));
    placeEditor();
    viewport()->update();
}

void DBGrid::updateHoverCursor(QPoint position) {
    const GridGeometry::Hit hit = geometryNow().hitTest(position);
    const bool onEdge = options_.testFlag(dgColumnResize) &&
                        hit.area == GridGeometry::Hit::Area::Title && hit.resizeColumn >= 0;
    if (onEdge)
        viewport()->setCursor(Qt::SplitHCursor);
    else
        viewport()->unsetCursor();
}

void DBGrid::scrollBarAction(int action) {
    if (isActive()) {
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            moveRows(1);
            break;
        case QAbstractSlider::SliderSingleStepSub:
            moveRows(-1);
            break;
        case QAbstractSlider::SliderPageStepAdd:
            moveRows(visibleRowCount());
            break;
        case QAbstractSlider::SliderPageStepSub:
            moveRows(-visibleRowCount());
            break;
        case QAbstractSlider::SliderToMinimum:
            dataSet()->first();
            break;
        case QAbstractSlider::SliderToMaximum:
            dataSet()->last();
            break;
        default:
            return;  // a drag of the slider acts when it is released
        }
    }
    ensureRows();
    verticalScrollBar()->setSliderPosition(scrollPosition());
}

// The slider dropped at the top or bottom jumps there; in between it pages.
void DBGrid::scrollBarReleased() {
    if (isActive()) {
        switch (verticalScrollBar()->value()) {
        case 0:
            dataSet()->first();
            break;
        case 1:
            moveRows(-visibleRowCount());
            break;
        case 3:
            moveRows(visibleRowCount());
            break;
        case 4:
            dataSet()->last();
            break;
        default:
            break;
        }
    }
    ensureRows();
    updateScrollBars();
}
