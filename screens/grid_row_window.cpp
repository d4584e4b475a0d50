#include "grid_row_window.h"

#include <algorithm>

#include "data_set.h"
#include "locale_settings.h"

void GridRowWindow::clear() {
    above_.clear();
    below_.clear();
    hasCurrent_ = false;
    atTop_ = atBottom_ = true;
    stale_ = false;
}

int GridRowWindow::slotCount() const {
    if (!hasCurrent_) return 0;
    return static_cast<int>(above_.size() + 1 + below_.size());
}

const engine::Row* GridRowWindow::storedRow(int slot) const {
    const int current = currentSlot();
    if (slot < current) return slot >= 0 ? &above_[slot] : nullptr;
    const int index = slot - current - 1;
    if (slot == current || index >= static_cast<int>(below_.size())) return nullptr;
    return &below_[index];
}

QString GridRowWindow::displayText(const Field& field, int slot) const {
    if (!hasCurrent_) return {};
    if (slot == currentSlot()) return field.displayText();  // pending values included
    const engine::Row* row = storedRow(slot);
    const int index = field.columnIndex();
    if (!row || index < 0 || index >= static_cast<int>(row->values.size())) return {};
    return fieldtext::displayText(field.kind(), row->values[index], LocaleSettings::current());
}

int GridRowWindow::slotOfRowId(std::int64_t rowid) const {
    for (int slot = 0; slot < slotCount(); ++slot) {
        const engine::Row* row = storedRow(slot);
        if (row && row->rowid == rowid) return slot;
    }
    return -1;
}

// Where the current record stood among the lines shown before, judged by its neighbours.
int GridRowWindow::findCurrent(const std::vector<engine::Row>& before,
                               const std::vector<engine::Row>& after) const {
    if (!after.empty()) {
        const int slot = slotOfRowId(after.front().rowid);
        if (slot >= 0) return slot - 1;
    }
    if (!before.empty()) {
        const int slot = slotOfRowId(before.front().rowid);
        if (slot >= 0) return slot + 1;
    }
    return currentSlot();
}

void GridRowWindow::rebuild(DataSet& dataSet, int fullRows, int drawnRows,
                            std::optional<int> moved) {
    stale_ = false;
    hasCurrent_ = dataSet.active() &&
                  (!dataSet.isEmpty() || dataSet.state() == DataSet::State::Insert);
    if (!hasCurrent_) {
        clear();
        return;
    }
    fullRows = std::max(fullRows, 1);
    drawnRows = std::max(drawnRows, fullRows);

    std::vector<engine::Row> before = dataSet.neighbours(std::max(fullRows - 1, 1), false);
    std::vector<engine::Row> after = dataSet.neighbours(std::max(drawnRows - 1, 1), true);
    const int availableAbove = static_cast<int>(before.size());
    const int availableBelow = static_cast<int>(after.size());

    int slot = moved ? currentSlot() + *moved : findCurrent(before, after);
    slot = std::clamp(slot, 0, std::min(fullRows - 1, availableAbove));
    // Near the end of the rows, lines left empty below are filled from above.
    if (availableBelow < fullRows - 1 - slot)
        slot = std::min(availableAbove, fullRows - 1 - availableBelow);

    above_.assign(before.rbegin() + (availableAbove - slot), before.rend());
    const int shownBelow = std::min(availableBelow, drawnRows - 1 - slot);
    below_.assign(after.begin(), after.begin() + shownBelow);
    atTop_ = before.empty();
    atBottom_ = after.empty();
}
