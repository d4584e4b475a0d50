#pragma once
// The data-aware grid: the rows of one data set as a table, one line per row and one column per
// field, through which the user moves, types into cells, inserts and deletes rows as the options
// allow. It never holds the data set's rows: each layout reads only the rows on screen around
// the current record, so a table of a million rows behaves like one of ten.
//
//   auto* grid = new DBGrid(panel);
//   grid->setObjectName("DBGrid1");
//   grid->setBorderStyle(DBGrid::BorderStyle::None);
//   grid->setDataSource(dataSource);

#include <QAbstractScrollArea>
#include <QFont>
#include <QPointer>
#include <optional>

#include "data_link.h"
#include "data_source.h"
#include "grid_columns.h"
#include "grid_geometry.h"
#include "grid_options.h"
#include "grid_row_window.h"

class DataSet;
class Field;
class GridCellEditor;
class QLineEdit;

class DBGrid : public QAbstractScrollArea, public DataLink {
    Q_OBJECT
public:
    enum class BorderStyle { None, Single };

    explicit DBGrid(QWidget* parent = nullptr);
    ~DBGrid() override;

    void setDataSource(DataSource* source);
    DataSource* dataSource() const { return source_; }

    void setOptions(GridOptions options);
    GridOptions options() const { return options_; }
    void setBorderStyle(BorderStyle style);
    BorderStyle borderStyle() const { return borderStyle_; }
    void setTitleFont(const QFont& font);
    const QFont& titleFont() const { return titleFont_; }

    // Columns in display order (the user may reorder them by dragging their titles).
    int columnCount() const { return columns_.count(); }
    QString columnTitle(int column) const;
    int columnWidth(int column) const;
    Field* columnField(int column) const;
    int currentColumn() const { return currentColumn_; }
    // Moves to another column of the current row, writing the cell being typed first.
    void setCurrentColumn(int column);

    bool isEditorOpen() const;
    QLineEdit* cellEditor() const;  // object name "InplaceEditor"

    // Rows on screen: slot 0 is the top data line. Rectangles are in viewport coordinates.
    int visibleRowCount() const;  // fully visible data lines
    int currentRowSlot();
    QString cellText(int slot, int column);  // the display text shown in a cell
    QRect titleRect(int column) const;
    QRect rowRect(int slot) const;
    QRect cellRect(int slot, int column) const;

    // What the data source tells the grid.
    void activeChanged() override;
    void dataSetChanged() override;
    void dataSetScrolled() override;
    void recordChanged(Field* field) override;
    void editingChanged() override;
    void updateData() override;
    bool focusField(Field* field) override;

signals:
    // A double-click anywhere in the grid, after its first click made the clicked row current.
    void doubleClicked();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    friend class GridCellEditor;

    DataSet* dataSet() const;
    bool isActive() const;
    Field* currentField() const;
    bool canEditCells() const;
    bool canModifyRows() const;
    bool onUnchangedNewRow() const;
    bool newRowAtEnd();

    // The key table; returns false for keys the grid leaves to others (grid_keys.cpp).
    bool handleKey(QKeyEvent* event);
    bool handleControlKey(int key);
    void nextRow();
    void priorRow();
    void tab(bool forward);
    void moveRows(int distance);
    void deleteRow();
    void escape();
    void enter();
    void typeIntoCell(QKeyEvent* event);

    // Mouse (grid_mouse.cpp).
    void pressAt(QPoint position);
    void dragTo(QPoint position);
    void releaseAt(QPoint position);
    void updateHoverCursor(QPoint position);
    void scrollBarAction(int action);
    void scrollBarReleased();

    // The cell editor.
    void openEditor();
    void closeEditor();
    void loadEditorText();
    void reloadEditorTextIfChanged();
    void writeCell();          // writes unwritten text to the current field; throws on failure
    bool beginCellChange();    // asks the data source to start editing the row
    void cellTextEdited();
    void focusLeftGrid(QFocusEvent* event);
    bool hasFocusWithin() const;

    // Layout.
    void rebuildColumns();
    void invalidateRows();
    void scheduleRelayout();
    void relayout();
    void ensureRows();
    void ensureColumnVisible(int column);
    void updateScrollBars();
    int scrollPosition() const;
    void placeEditor();
    GridGeometry geometryNow() const;
    int rowHeight() const;
    int titleHeight() const;

    QPointer<DataSource> source_;
    GridOptions options_ = defaultGridOptions;
    BorderStyle borderStyle_ = BorderStyle::Single;
    QFont titleFont_;
    GridColumns columns_;
    GridRowWindow rows_;
    std::optional<int> moveHint_;  // distance of the grid's own last move, for the row window
    int currentColumn_ = 0;
    int scrollX_ = 0;
    GridCellEditor* editor_ = nullptr;
    bool editorMode_ = false;      // the editor stays open as the current cell moves
    bool cellModified_ = false;    // the editor holds text not yet written to its field
    bool relayoutQueued_ = false;
    bool settingScrollBar_ = false;

    struct TitleDrag {
        enum class Kind { None, Resize, Move } kind = Kind::None;
        int column = -1;
        QPoint start;
        bool moved = false;
    } drag_;
};
