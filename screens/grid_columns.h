#pragma once
// The grid's columns: one per field of the data set, in field order, titled with the field's
// name and as wide as the field's display width in the grid's font (at least as wide as the
// title). The user may resize and reorder them; nothing of it is kept beyond the open data set.

#include <QString>
#include <vector>

class DataSet;
class Field;
class QFontMetrics;

struct GridColumn {
    Field* field = nullptr;
    QString title;
    int width = 0;
};

class GridColumns {
public:
    static constexpr int minimumWidth = 4;

    // display width × width of "0" + 4, but with titles at least the title's width + 4.
    static int defaultWidth(const Field& field, const QFontMetrics& cellFont,
                            const QFontMetrics& titleFont, bool withTitles);

    void build(const DataSet& dataSet, const QFontMetrics& cellFont, const QFontMetrics& titleFont,
               bool withTitles);
    void clear() { columns_.clear(); }

    int count() const { return static_cast<int>(columns_.size()); }
    const GridColumn& at(int column) const { return columns_[column]; }
    int indexOf(const Field* field) const;  // -1 when no column shows it
    int totalWidth(int lineWidth) const;    // every column and the line after it

    void setWidth(int column, int width);
    void move(int from, int to);

private:
    std::vector<GridColumn> columns_;
};
