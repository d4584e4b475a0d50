#pragma once
// Binding a table's declared fields to the columns its engine cursor reports: each field is
// found by name without regard to case, and its kind must suit the column's type and size.
// Columns without a declared field stay out of sight.

#include <QString>
#include <vector>

#include "engine/column.h"
#include "field_kind.h"

namespace binding {

// Whether a field of this kind and size can show the column.
bool suits(const FieldDef& def, const engine::Column& column);

// The column index of each declared field, in declared order. Throws DataError with
// "%s: Field '%s' not found" (component, field) or "Field '%s' is not of the expected type"
// for the first field that fails.
std::vector<int> bindFields(const QString& componentName, const std::vector<FieldDef>& defs,
                            const std::vector<engine::Column>& columns);

}  // namespace binding
