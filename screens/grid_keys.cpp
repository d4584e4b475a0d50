// The grid's keys: moving between rows and cells, new rows at the end, inserting and deleting
// rows, and opening, writing and restoring the cell editor.

#include <QKeyEvent>

#include "confirm_delete.h"
#include "data_set.h"
#include "db_grid.h"
#include "grid_cell_editor.h"

bool DBGrid::handleKey(QKeyEvent* event) {
    if (!isActive()) return false;
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers.testFlag(Qt::AltModifier)) return false;
    if (modifiers.testFlag(Qt::ControlModifier)) return handleControlKey(key);

    switch (key) {
    case Qt::Key_Up:
        priorRow();
        return true;
    case Qt::Key_Down:
        nextRow();
        return true;
    case Qt::Key_PageUp:
        moveRows(-visibleRowCount());
        return true;
    case Qt::Key_PageDown:
        moveRows(visibleRowCount());
        return true;
    case Qt::Key_Home:
        setCurrentColumn(0);
        return true;
    case Qt::Key_End:
        setCurrentColumn(columnCount() - 1);
        return true;
    case Qt::Key_Left:
        if (currentColumn_ > 0) setCurrentColumn(currentColumn_ - 1);
        return true;
    case Qt::Key_Right:
        if (currentColumn_ < columnCount() - 1) setCurrentColumn(currentColumn_ + 1);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!options_.testFlag(dgTabs)) return false;
        tab(key == Qt::Key_Tab && !modifiers.testFlag(Qt::ShiftModifier));
        return true;
    case Qt::Key_Insert:
        if (modifiers != Qt::NoModifier) return false;
        if (canModifyRows()) dataSet()->insert();
        return true;
    case Qt::Key_Escape:
        escape();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!canEditCells()) return false;
        enter();
        return true;
    case Qt::Key_F2:
        if (!canEditCells()) return false;
        openEditor();
        return true;
    default:
        break;
    }
    const QString text = event->text();
    const bool typing = key == Qt::Key_Backspace || (!text.isEmpty() && text.at(0).isPrint());
    if (!typing || !canEditCells()) return false;
    typeIntoCell(event);
    return true;
}

bool DBGrid::handleControlKey(int key) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:  // first row on screen
        moveRows(-currentRowSlot());
        return true;
    case Qt::Key_Down:
    case Qt::Key_PageDown: {  // last row on screen
        const int lastSlot = std::min(rows_.slotCount(), visibleRowCount()) - 1;
        moveRows(lastSlot - currentRowSlot());
        return true;
    }
    case Qt::Key_Left:
        setCurrentColumn(0);
        return true;
    case Qt::Key_Right:
        setCurrentColumn(columnCount() - 1);
        return true;
    case Qt::Key_Home:
        dataSet()->first();
        return true;
    case Qt::Key_End:
        dataSet()->last();
        return true;
    case Qt::Key_Delete:
        deleteRow();
        return true;
    default:
        return false;
    }
}

void DBGrid::nextRow() {
    DataSet* data = dataSet();
    if (onUnchangedNewRow()) {
        if (!newRowAtEnd()) data->cancel();
        return;
    }
    moveRows(1);
    if (data->eof() && canModifyRows()) data->append();
}

void DBGrid::priorRow() {
    if (onUnchangedNewRow() && newRowAtEnd()) {
        dataSet()->cancel();
        return;
    }
    moveRows(-1);
}

// Past the last or first column Tab continues on the next or prior row.
void DBGrid::tab(bool forward) {
    if (forward) {
        if (currentColumn_ < columnCount() - 1) {
            setCurrentColumn(currentColumn_ + 1);
            return;
        }
        nextRow();
        setCurrentColumn(0);
    } else {
        if (currentColumn_ > 0) {
            setCurrentColumn(currentColumn_ - 1);
            return;
        }
        priorRow();
        setCurrentColumn(columnCount() - 1);
    }
}

void DBGrid::moveRows(int distance) {
    if (distance == 0) return;
    ensureRows();
    const int moved = dataSet()->moveBy(distance);
    if (rows_.stale()) moveHint_ = moved;
}

void DBGrid::deleteRow() {
    DataSet* data = dataSet();
    if (!canModifyRows() || data->isEmpty()) return;
    if (options_.testFlag(dgConfirmDelete) && !confirmDelete(this)) return;
    data->remove();
}

void DBGrid::escape() {
    if (editorMode_ && cellModified_)
        loadEditorText();
    else if (dataSet()->pending())
        dataSet()->cancel();
    closeEditor();
}

void DBGrid::enter() {
    if (!editorMode_) {
        openEditor();
        return;
    }
    writeCell();
    closeEditor();
}

// A character typed on the grid opens the editor over the current cell and goes into it.
void DBGrid::typeIntoCell(QKeyEvent* event) {
    if (!editorMode_) openEditor();
    editor_->typeKey(event);
}
