#pragma once
// What a data-aware control (edit, grid, navigator, detail table) hears from its data source.
// Calls come synchronously from the data set; updateData may throw to stop the action.

class Field;

class DataLink {
public:
    virtual ~DataLink() = default;

    virtual void activeChanged() {}            // the data set opened or closed
    virtual void dataSetChanged() {}           // rows changed: post, delete, refresh, range, insert
    virtual void dataSetScrolled() {}          // the current record moved
    virtual void recordChanged(Field*) {}      // a field's value changed (nullptr: the whole record)
    virtual void editingChanged() {}           // state went between browsing and editing/inserting
    virtual void updateData() {}               // write typed but unwritten text to its field
    virtual bool focusField(Field*) { return false; }  // show this field and take the focus
};
