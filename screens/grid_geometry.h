#pragma once
// Where the grid's parts lie in its viewport: the title row and indicator column stay fixed,
// the data lines run below the titles, and the columns scroll sideways. Built afresh from the
// columns, options, line heights, viewport size and sideways scroll whenever one changes.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

#include "grid_options.h"

class GridColumns;

class GridGeometry {
public:
    static constexpr int indicatorWidth = 11;
    static constexpr int resizeMargin = 2;  // pixels either side of a title's right edge

    struct Hit {
        enum class Area { Outside, Corner, Title, Indicator, Cell } area = Area::Outside;
        int slot = -1;          // data line under the point
        int column = -1;        // column under the point
        int resizeColumn = -1;  // title row: the column whose right edge is under the point
    };

    GridGeometry() = default;
    GridGeometry(const GridColumns& columns, GridOptions options, int rowHeight, int titleHeight,
                 QSize viewport, int scrollX);

    int columnLine() const { return columnLine_; }
    int rowLine() const { return rowLine_; }
    int rowPitch() const { return rowHeight_ + rowLine_; }
    int dataTop() const { return dataTop_; }
    int fixedWidth() const { return fixedWidth_; }
    int contentWidth() const;         // the columns with their lines
    int scrollableWidth() const;      // viewport width beside the indicator
    int fullRows() const;             // fully visible data lines, at least 1
    int drawnRows() const;            // data lines at least partly visible
    int columnCount() const { return static_cast<int>(widths_.size()); }

    int columnLeft(int column) const;  // viewport x, after the sideways scroll
    int columnOffset(int column) const;  // x within the unscrolled columns
    QRect titleRect(int column) const;
    QRect cornerRect() const;
    QRect indicatorRect(int slot) const;
    QRect rowRect(int slot) const;     // the whole data line, indicator included
    QRect cellRect(int slot, int column) const;
    int columnAt(int x) const;         // -1 when no column lies there
    Hit hitTest(QPoint point) const;

private:
    std::vector<int> widths_;
    QSize viewport_;
    int rowHeight_ = 0;
    int titleHeight_ = 0;
    int columnLine_ = 0;
    int rowLine_ = 0;
    int dataTop_ = 0;
    int fixedWidth_ = 0;
    int scrollX_ = 0;
};
