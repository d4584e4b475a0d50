#pragma once
// Paints the grid: the title row, the row indicator with the current row's mark (arrow while
// browsing, I-beam while editing, star while inserting), the cells with each field's display
// text aligned as its field, the lines, and the highlight of the current cell or row.

#include <QFont>
#include <QPalette>

#include "grid_options.h"

class DataSet;
class GridColumns;
class GridGeometry;
class GridRowWindow;
class QPainter;
class QRect;

struct GridPaintState {
    enum class Mark { Browse, Edit, Insert };

    const GridGeometry& geometry;
    const GridColumns& columns;
    const GridRowWindow& rows;
    GridOptions options;
    QFont cellFont;
    QFont titleFont;
    QPalette palette;
    int currentColumn = 0;
    bool focused = false;
    Mark mark = Mark::Browse;
};

void paintGrid(QPainter& painter, const QRect& exposed, const GridPaintState& state);
