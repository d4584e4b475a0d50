#pragma once
// The stored rows a grid shows around the current record, read through the data set's
// neighbours on each layout: never more than a screenful. The current record itself is not
// kept here; its values come from the fields, so a pending edit shows as it is typed.
//
// The current record keeps its line on screen as the user moves, as far as the rows allow: a
// move the grid made itself shifts it by the distance moved; any other move finds it again next
// to a row that was shown before; at the top and bottom of the data set the lines fill up.

#include <cstdint>
#include <optional>
#include <QString>
#include <vector>

#include "engine/table_cursor.h"

class DataSet;
class Field;

class GridRowWindow {
public:
    // Reads the rows around the current record for `fullRows` fully and `drawnRows` partly
    // visible lines. `moved` is the distance of the grid's own last move, if that is what
    // changed the current record.
    void rebuild(DataSet& dataSet, int fullRows, int drawnRows, std::optional<int> moved);
    void clear();
    void invalidate() { stale_ = true; }
    bool stale() const { return stale_; }

    bool hasCurrent() const { return hasCurrent_; }
    int currentSlot() const { return static_cast<int>(above_.size()); }
    int slotCount() const;
    // The stored row on a line; nullptr for the current record's line and beyond the rows.
    const engine::Row* storedRow(int slot) const;
    // A field's display text on a line: the field's own value on the current record's line.
    QString displayText(const Field& field, int slot) const;
    bool atTop() const { return atTop_; }        // no row before the current record
    bool atBottom() const { return atBottom_; }  // no row after it

private:
    int findCurrent(const std::vector<engine::Row>& before,
                    const std::vector<engine::Row>& after) const;
    int slotOfRowId(std::int64_t rowid) const;

    std::vector<engine::Row> above_;  // top to bottom
    std::vector<engine::Row> below_;  // top to bottom
    bool hasCurrent_ = false;
    bool atTop_ = true;
    bool atBottom_ = true;
    bool stale_ = true;
};
