#include "grid_geometry.h"

#include <algorithm>
#include <cstdlib>

#include "grid_columns.h"

GridGeometry::GridGeometry(const GridColumns& columns, GridOptions options, int rowHeight,
                           int titleHeight, QSize viewport, int scrollX)
    : viewport_(viewport), rowHeight_(rowHeight), scrollX_(scrollX) {
    for (int i = 0; i < columns.count(); ++i) widths_.push_back(columns.at(i).width);
    columnLine_ = options.testFlag(dgColLines) ? 1 : 0;
    rowLine_ = options.testFlag(dgRowLines) ? 1 : 0;
    titleHeight_ = options.testFlag(dgTitles) ? titleHeight : 0;
    dataTop_ = options.testFlag(dgTitles) ? titleHeight_ + rowLine_ : 0;
    fixedWidth_ = options.testFlag(dgIndicator) ? indicatorWidth + columnLine_ : 0;
}

int GridGeometry::contentWidth() const {
    int total = 0;
    for (int width : widths_) total += width + columnLine_;
    return total;
}

int GridGeometry::scrollableWidth() const { return std::max(0, viewport_.width() - fixedWidth_); }

int GridGeometry::fullRows() const {
    return std::max(1, (viewport_.height() - dataTop_ + rowLine_) / rowPitch());
}

int GridGeometry::drawnRows() const {
    const int height = std::max(0, viewport_.height() - dataTop_);
    return std::max(fullRows(), (height + rowPitch() - 1) / rowPitch());
}

int GridGeometry::columnOffset(int column) const {
    int x = 0;
    for (int i = 0; i < column; ++i) x += widths_[i] + columnLine_;
    return x;
}

int GridGeometry::columnLeft(int column) const {
    return fixedWidth_ + columnOffset(column) - scrollX_;
}

QRect GridGeometry::titleRect(int column) const {
    return QRect(columnLeft(column), 0, widths_[column], titleHeight_);
}

QRect GridGeometry::cornerRect() const {
    return QRect(0, 0, fixedWidth_ - columnLine_, titleHeight_);
}

QRect GridGeometry::indicatorRect(int slot) const {
    return QRect(0, dataTop_ + slot * rowPitch(), fixedWidth_ - columnLine_, rowHeight_);
}

QRect GridGeometry::rowRect(int slot) const {
    return QRect(0, dataTop_ + slot * rowPitch(), viewport_.width(), rowHeight_);
}

QRect GridGeometry::cellRect(int slot, int column) const {
    return QRect(columnLeft(column), dataTop_ + slot * rowPitch(), widths_[column], rowHeight_);
}

int GridGeometry::columnAt(int x) const {
    if (x < fixedWidth_) return -1;
    for (int i = 0; i < columnCount(); ++i) {
        const int left = columnLeft(i);
        if (x >= left && x < left + widths_[i] + columnLine_) return i;
    }
    return -1;
}

GridGeometry::Hit GridGeometry::hitTest(QPoint point) const {
    Hit hit;
    if (point.x() < 0 || point.y() < 0 || point.x() >= viewport_.width() ||
        point.y() >= viewport_.height())
        return hit;
    hit.column = columnAt(point.x());
    if (point.y() < dataTop_) {
        if (point.x() < fixedWidth_) {
            hit.area = Hit::Area::Corner;
            return hit;
        }
        hit.area = Hit::Area::Title;
        int nearest = resizeMargin + 1;
        for (int i = 0; i < columnCount(); ++i) {
            const int distance = std::abs(point.x() - (columnLeft(i) + widths_[i]));
            if (distance < nearest) {
                nearest = distance;
                hit.resizeColumn = i;
            }
        }
        return hit;
    }
    hit.slot = (point.y() - dataTop_) / rowPitch();
    if (point.x() < fixedWidth_)
        hit.area = Hit::Area::Indicator;
    else if (hit.column >= 0)
        hit.area = Hit::Area::Cell;
    return hit;
}
