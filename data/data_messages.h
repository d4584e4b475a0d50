#pragma once
// The data layer's user-visible messages, each built from its placeholders.

#include <QString>

namespace datamsg {

inline QString fieldNotFound(const QString& component, const QString& field) {
    return QStringLiteral("%1: Field '%2' not found").arg(component, field);
}
inline QString notExpectedType(const QString& field) {
    return QStringLiteral("Field '%1' is not of the expected type").arg(field);
}
inline QString mustHaveValue(const QString& field) {
    return QStringLiteral("Field '%1' must have a value").arg(field);
}
inline QString notValidInteger(const QString& text, const QString& field) {
    return QStringLiteral("'%1' is not a valid integer value for field '%2'").arg(text, field);
}
inline QString notValidFloat(const QString& text, const QString& field) {
    return QStringLiteral("'%1' is not a valid floating point value for field '%2'").arg(text, field);
}
// The numbers arrive already in general format.
inline QString outOfRange(const QString& value, const QString& field, const QString& min,
                          const QString& max) {
    return QStringLiteral("%1 is not a valid value for field '%2'. The allowed range is %3 to %4")
        .arg(value, field, min, max);
}

inline QString notEditing(const QString& component) {
    return QStringLiteral("%1: Dataset not in edit or insert mode").arg(component);
}
inline QString closedDataSet(const QString& component) {
    return QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(component);
}
inline QString openDataSet(const QString& component) {
    return QStringLiteral("%1: Cannot perform this operation on an open dataset").arg(component);
}
inline QString emptyDataSet(const QString& component) {
    return QStringLiteral("%1: Cannot perform this operation on an empty dataset").arg(component);
}
inline QString readOnlyDataSet(const QString& component) {
    return QStringLiteral("%1: Cannot modify a read-only dataset").arg(component);
}
inline QString recordGone(const QString& component) {
    return QStringLiteral("%1: Record deleted or changed by another user").arg(component);
}
inline QString noIndexForMaster(const QString& component) {
    return QStringLiteral("%1: A master link needs an index").arg(component);
}

}  // namespace datamsg
