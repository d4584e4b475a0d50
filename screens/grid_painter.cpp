#include "grid_painter.h"

#include <QPainter>
#include <QPainterPath>

#include "data_set.h"
#include "grid_columns.h"
#include "grid_geometry.h"
#include "grid_row_window.h"

namespace {

constexpr int textMargin = 2;

void paintFixedCell(QPainter& painter, const QRect& rect, const QPalette& palette) {
    painter.fillRect(rect, palette.color(QPalette::Button));
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
}

void paintMark(QPainter& painter, const QRect& rect, GridPaintState::Mark mark,
               const QPalette& palette) {
    const QColor ink = palette.color(QPalette::ButtonText);
    const QPoint centre = rect.center();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    switch (mark) {
    case GridPaintState::Mark::Browse: {
        QPainterPath arrow;
        arrow.moveTo(centre.x() - 2, centre.y() - 4);
        arrow.lineTo(centre.x() + 2, centre.y());
        arrow.lineTo(centre.x() - 2, centre.y() + 4);
        arrow.closeSubpath();
        painter.fillPath(arrow, ink);
        break;
    }
    case GridPaintState::Mark::Edit:
        painter.setPen(ink);
        painter.drawLine(centre.x(), centre.y() - 4, centre.x(), centre.y() + 4);
        painter.drawLine(centre.x() - 2, centre.y() - 5, centre.x() + 2, centre.y() - 5);
        painter.drawLine(centre.x() - 2, centre.y() + 5, centre.x() + 2, centre.y() + 5);
        break;
    case GridPaintState::Mark::Insert:
        painter.setPen(ink);
        painter.drawText(rect, Qt::AlignCenter, QStringLiteral("*"));
        break;
    }
    painter.restore();
}

void paintTitles(QPainter& painter, const GridPaintState& state) {
    painter.setFont(state.titleFont);
    for (int column = 0; column < state.columns.count(); ++column) {
        const QRect rect = state.geometry.titleRect(column);
        paintFixedCell(painter, rect, state.palette);
        painter.setPen(state.palette.color(QPalette::ButtonText));
        painter.drawText(rect.adjusted(textMargin, 0, -textMargin, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, state.columns.at(column).title);
    }
}

void paintCells(QPainter& painter, int slot, const GridPaintState& state) {
    const bool current = slot == state.rows.currentSlot();
    const bool rowSelect = state.options.testFlag(dgRowSelect);
    painter.setFont(state.cellFont);
    for (int column = 0; column < state.columns.count(); ++column) {
        const QRect rect = state.geometry.cellRect(slot, column);
        const bool highlighted =
            current && state.focused && (rowSelect || column == state.currentColumn);
        painter.fillRect(rect, state.palette.color(highlighted ? QPalette::Highlight : QPalette::Base));
        const Field& field = *state.columns.at(column).field;
        painter.setPen(state.palette.color(highlighted ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(rect.adjusted(textMargin, 0, -textMargin, 0),
                         field.alignment() | Qt::AlignVCenter, state.rows.displayText(field, slot));
        if (highlighted && !rowSelect) {
            painter.setPen(QPen(state.palette.color(QPalette::HighlightedText), 1, Qt::DotLine));
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
        }
    }
}

void paintColumnLines(QPainter& painter, int bottom, const GridPaintState& state) {
    for (int column = 0; column < state.columns.count(); ++column) {
        const int x = state.geometry.columnLeft(column) + state.columns.at(column).width;
        painter.drawLine(x, 0, x, bottom);
    }
}

void paintFixedColumn(QPainter& painter, int lineCount, int bottom, const GridPaintState& state) {
    const GridGeometry& geometry = state.geometry;
    if (state.options.testFlag(dgTitles)) paintFixedCell(painter, geometry.cornerRect(), state.palette);
    for (int slot = 0; slot < lineCount; ++slot) {
        const QRect rect = geometry.indicatorRect(slot);
        paintFixedCell(painter, rect, state.palette);
        if (slot == state.rows.currentSlot()) paintMark(painter, rect, state.mark, state.palette);
    }
    if (geometry.columnLine() > 0) {
        painter.setPen(state.palette.color(QPalette::Mid));
        painter.drawLine(geometry.fixedWidth() - 1, 0, geometry.fixedWidth() - 1, bottom);
    }
}

void paintRowLines(QPainter& painter, int lineCount, const GridPaintState& state) {
    const GridGeometry& geometry = state.geometry;
    const int last = state.columns.count() - 1;
    const int right = std::max(geometry.fixedWidth(),
                               geometry.columnLeft(last) + state.columns.at(last).width);
    if (geometry.dataTop() > 0) painter.drawLine(0, geometry.dataTop() - 1, right, geometry.dataTop() - 1);
    for (int slot = 0; slot < lineCount; ++slot) {
        const int y = geometry.rowRect(slot).bottom() + 1;
        painter.drawLine(0, y, right, y);
    }
}

}  // namespace

void paintGrid(QPainter& painter, const QRect& exposed, const GridPaintState& state) {
    painter.fillRect(exposed, state.palette.color(QPalette::Base));
    if (state.columns.count() == 0) return;
    const GridGeometry& geometry = state.geometry;
    const int lineCount = std::min(state.rows.slotCount(), geometry.drawnRows());
    const int bottom = lineCount > 0 ? geometry.rowRect(lineCount - 1).bottom() + geometry.rowLine()
                                 : geometry.dataTop() - 1;

    painter.save();  // the scrolling columns stay right of the indicator
    painter.setClipRect(QRect(geometry.fixedWidth(), 0, exposed.right() + 1, exposed.bottom() + 1),
                        Qt::IntersectClip);
    if (state.options.testFlag(dgTitles)) paintTitles(painter, state);
    for (int slot = 0; slot < lineCount; ++slot) paintCells(painter, slot, state);
    painter.setPen(state.palette.color(QPalette::Mid));
    if (geometry.columnLine() > 0) paintColumnLines(painter, bottom, state);
    painter.restore();

    if (state.options.testFlag(dgIndicator)) paintFixedColumn(painter, lineCount, bottom, state);
    painter.setPen(state.palette.color(QPalette::Mid));
    if (geometry.rowLine() > 0) paintRowLines(painter, lineCount, state);
}
