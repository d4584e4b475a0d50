#pragma once
// The rows of a data set (the report query) as a report's row source.

#include "row_source.h"

class DataSet;

namespace report {

class DataSetRows : public RowSource {
public:
    explicit DataSetRows(DataSet& dataSet) : dataSet_(dataSet) {}

    void first() override;
    void next() override;
    bool eof() const override;
    int fieldIndex(const QString& name) const override;
    FieldKind fieldKind(int index) const override;
    engine::Value value(int index) const override;
    QString name() const override;

private:
    DataSet& dataSet_;
};

}  // namespace report
