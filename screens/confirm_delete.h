#pragma once
// The question asked before a record is deleted, by the navigator and by the grid.

class QWidget;

// Shows the modal "Delete record?" box; true only when the user answers OK
// (Cancel, Esc and closing the box all keep the record).
bool confirmDelete(QWidget* parent);
