#pragma once
// The rows a report runs over: a forward walk with fields found by name. DataSetRows adapts a
// data set; tests may supply rows of their own.

#include <QString>

#include "engine/value.h"
#include "field_kind.h"

namespace report {

class RowSource {
public:
    virtual ~RowSource() = default;

    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool eof() const = 0;

    // Index of the field named `name` without regard to case, or -1 when there is none.
    virtual int fieldIndex(const QString& name) const = 0;
    virtual FieldKind fieldKind(int index) const = 0;
    virtual engine::Value value(int index) const = 0;  // of the current row

    // Name of the rows for messages ("Query1").
    virtual QString name() const = 0;
};

}  // namespace report
