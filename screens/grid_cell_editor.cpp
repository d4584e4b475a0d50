#include "grid_cell_editor.h"

#include <QApplication>
#include <QKeyEvent>

#include "db_grid.h"
#include "event_guard.h"
#include "field.h"

GridCellEditor::GridCellEditor(DBGrid* grid) : QLineEdit(grid->viewport()), grid_(grid) {
    setObjectName(QStringLiteral("InplaceEditor"));
    setFrame(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    hide();
}

// Tab and Shift+Tab move between cells instead of between controls.
bool GridCellEditor::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

bool GridCellEditor::belongsToGrid(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    case Qt::Key_Insert:
        return modifiers == Qt::NoModifier;
    case Qt::Key_Delete:
        return modifiers.testFlag(Qt::ControlModifier);
    default:
        return false;
    }
}

bool GridCellEditor::changesText(const QKeyEvent* event) {
    if (!event->text().isEmpty() && event->text().at(0).isPrint()) return true;
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return true;
    default:
        break;
    }
    for (QKeySequence::StandardKey standard :
         {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo,
          QKeySequence::DeleteEndOfWord, QKeySequence::DeleteStartOfWord,
          QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine})
        if (event->matches(standard)) return true;
    return false;
}

void GridCellEditor::keyPressEvent(QKeyEvent* event) {
    guarded([&] {
        if (belongsToGrid(event)) {
            grid_->handleKey(event);
            return;
        }
        if (event->key() == Qt::Key_F2) {
            deselect();
            end(false);
            return;
        }
        editKey(event);
    });
}

void GridCellEditor::typeKey(QKeyEvent* event) { editKey(event); }

void GridCellEditor::editKey(QKeyEvent* event) {
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint()) {
        Field* field = grid_->currentField();
        if (field && !field->acceptsChar(text.at(0))) {
            QApplication::beep();
            return;
        }
    }
    if (changesText(event) && !grid_->beginCellChange()) return;
    QLineEdit::keyPressEvent(event);
}

void GridCellEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    grid_->focusLeftGrid(event);
}
