#include "data_set_rows.h"

#include "data_set.h"
#include "field.h"

namespace report {

void DataSetRows::first() { dataSet_.first(); }

void DataSetRows::next() { dataSet_.next(); }

bool DataSetRows::eof() const { return dataSet_.eof(); }

int DataSetRows::fieldIndex(const QString& name) const {
    const Field* wanted = dataSet_.findField(name);
    for (int i = 0; i < dataSet_.fieldCount(); ++i)
        if (&dataSet_.field(i) == wanted) return i;
    return -1;
}

FieldKind DataSetRows::fieldKind(int index) const { return dataSet_.field(index).kind(); }

engine::Value DataSetRows::value(int index) const { return dataSet_.field(index).value(); }

QString DataSetRows::name() const { return dataSet_.name(); }

}  // namespace report
