#include "grid_columns.h"

#include <QFontMetrics>
#include <algorithm>

#include "data_set.h"

int GridColumns::defaultWidth(const Field& field, const QFontMetrics& cellFont,
                              const QFontMetrics& titleFont, bool withTitles) {
    int width = field.displayWidth() * cellFont.horizontalAdvance(QLatin1Char('0')) + 4;
    if (withTitles) width = std::max(width, titleFont.horizontalAdvance(field.name()) + 4);
    return width;
}

void GridColumns::build(const DataSet& dataSet, const QFontMetrics& cellFont,
                        const QFontMetrics& titleFont, bool withTitles) {
    columns_.clear();
    for (int i = 0; i < dataSet.fieldCount(); ++i) {
        Field& field = dataSet.field(i);
        columns_.push_back({&field, field.name(), defaultWidth(field, cellFont, titleFont, withTitles)});
    }
}

int GridColumns::indexOf(const Field* field) const {
    for (int i = 0; i < count(); ++i)
        if (columns_[i].field == field) return i;
    return -1;
}

int GridColumns::totalWidth(int lineWidth) const {
    int total = 0;
    for (const GridColumn& column : columns_) total += column.width + lineWidth;
    return total;
}

void GridColumns::setWidth(int column, int width) {
    columns_[column].width = std::max(width, minimumWidth);
}

void GridColumns::move(int from, int to) {
    if (from == to) return;
    GridColumn moving = columns_[from];
    columns_.erase(columns_.begin() + from);
    columns_.insert(columns_.begin() + to, moving);
}
