#include "binding.h"

#include "data_messages.h"
#include "errors.h"

namespace binding {

bool suits(const FieldDef& def, const engine::Column& column) {
    using engine::ColumnType;
    switch (def.kind) {
    case FieldKind::AutoIncrement:
        return column.type == ColumnType::AutoIncrement || column.type == ColumnType::Integer;
    case FieldKind::Number:
    case FieldKind::Money:
        return column.type == ColumnType::Number || column.type == ColumnType::Money;
    case FieldKind::Text:
        return column.type == ColumnType::Char && column.size == def.size;
    }
    return false;
}

std::vector<int> bindFields(const QString& componentName, const std::vector<FieldDef>& defs,
                            const std::vector<engine::Column>& columns) {
    std::vector<int> indexes;
    indexes.reserve(defs.size());
    for (const FieldDef& def : defs) {
        int found = -1;
        for (std::size_t i = 0; i < columns.size() && found < 0; ++i) {
            if (QString::fromStdString(columns[i].name).compare(def.name, Qt::CaseInsensitive) == 0)
                found = int(i);
        }
        if (found < 0) throw DataError(datamsg::fieldNotFound(componentName, def.name));
        if (!suits(def, columns[std::size_t(found)])) throw DataError(datamsg::notExpectedType(def.name));
        indexes.push_back(found);
    }
    return indexes;
}

}  // namespace binding
