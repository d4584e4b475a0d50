#pragma once
// The five tables as data: file name, index, master link and the declared fields in order.
// Screens build their tables from these; nfadmin creates the tables from them.

#include <QString>
#include <vector>

#include "field_kind.h"

struct TableDef {
    QString fileName;     // "pessoa.DB"
    QString indexName;    // detail index ("Id_Cliente"), empty for none
    QString masterField;  // master field the detail follows ("Id_Cliente"), empty for none
    std::vector<FieldDef> fields;

    QString sqlName() const;  // the file name without its extension
};

namespace schema {
const TableDef& pessoa();
const TableDef& endereco();
const TableDef& produto();
const TableDef& notaFiscal();
const TableDef& item();
const std::vector<const TableDef*>& all();
}  // namespace schema
