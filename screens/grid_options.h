#pragma once
// The data grid's options: which parts it shows and what the user may do in it.

#include <QFlags>

enum GridOption {
    dgEditing = 0x001,        // cells can be typed into
    dgTitles = 0x002,         // a title row
    dgIndicator = 0x004,      // a row indicator column at the left
    dgColumnResize = 0x008,   // columns can be widened and moved by dragging their titles
    dgColLines = 0x010,       // lines between columns
    dgRowLines = 0x020,       // lines between rows
    dgTabs = 0x040,           // Tab and Shift+Tab move between cells
    dgRowSelect = 0x080,      // the whole current row is highlighted; no cell is edited
    dgConfirmDelete = 0x100,  // a row is deleted only after the question
    dgCancelOnExit = 0x200,   // an unchanged new row is discarded when the grid loses the focus
};
Q_DECLARE_FLAGS(GridOptions, GridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(GridOptions)

// The options a grid starts with: those of the detail grids.
inline constexpr GridOptions defaultGridOptions = GridOptions(
    dgEditing | dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgTabs |
    dgConfirmDelete | dgCancelOnExit);
