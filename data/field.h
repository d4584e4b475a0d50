#pragma once
// A field object: one column of a data set's current record, with the rules of its kind.

#include <QString>

#include "engine/value.h"
#include "field_kind.h"

class DataSet;

class Field {
public:
    Field(DataSet* dataSet, FieldDef def);

    DataSet* dataSet() const { return dataSet_; }
    const FieldDef& def() const { return def_; }
    const QString& name() const { return def_.name; }
    FieldKind kind() const { return def_.kind; }
    int size() const { return def_.size; }
    bool required() const { return def_.required; }
    int displayWidth() const { return fieldtext::displayWidth(def_); }
    Qt::Alignment alignment() const { return fieldtext::alignment(def_.kind); }
    bool acceptsChar(QChar c) const;

    // The current record's value (the pending one while editing or inserting).
    const engine::Value& value() const;
    bool isNull() const;
    QString displayText() const;
    QString editText() const;
    double asFloat() const;   // 0 when empty
    QString asString() const; // numbers in general format (money without symbol), stored text

    // Writes through the data set, which must be editing or inserting (DataError otherwise).
    // setText converts by the kind's rules and throws DataError with the kind's message.
    void setText(const QString& text);
    void setValue(const engine::Value& value);
    void clear();

    // The column this field is bound to in the data set's engine rows (-1 when not bound).
    int columnIndex() const { return columnIndex_; }
    void bindColumn(int index) { columnIndex_ = index; }

private:
    DataSet* dataSet_;
    FieldDef def_;
    int columnIndex_ = -1;
};
