#pragma once
// The engine's reading of SQLite declared types as column types (see column.h).

#include <string>

#include "column.h"

namespace engine {

// `autoIncrement`: the column is the table's INTEGER PRIMARY KEY and the table is declared
// with AUTOINCREMENT. Sets type and size of the returned column.
Column columnFromDeclaredType(std::string name, const std::string& declaredType,
                              bool autoIncrement);

}  // namespace engine
