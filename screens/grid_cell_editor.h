#pragma once
// The grid's cell editor: a line edit laid over the current cell. It refuses, with a beep,
// characters the column's field does not accept, asks the grid to start editing the row before
// any key changes its text, and hands the grid the keys that move between cells and rows.

#include <QLineEdit>

class DBGrid;

class GridCellEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit GridCellEditor(DBGrid* grid);

    // Handles a key the grid passed on when it opened the editor by typing.
    void typeKey(QKeyEvent* event);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    static bool belongsToGrid(const QKeyEvent* event);
    static bool changesText(const QKeyEvent* event);
    void editKey(QKeyEvent* event);

    DBGrid* grid_;
};
