// The five tables of the system with their declared fields, in table order.
#include "schema.h"

namespace {

FieldDef autoInc(const char* name) { return {name, FieldKind::AutoIncrement, 0, false}; }
FieldDef number(const char* name, bool required = false) {
    return {name, FieldKind::Number, 0, required};
}
FieldDef money(const char* name) { return {name, FieldKind::Money, 0, false}; }
FieldDef text(const char* name, int size) { return {name, FieldKind::Text, size, false}; }

constexpr bool kRequired = true;

}  // namespace

QString TableDef::sqlName() const {
    const int dot = fileName.lastIndexOf('.');
    return dot < 0 ? fileName : fileName.left(dot);
}

namespace schema {

const TableDef& pessoa() {
    static const TableDef def{"pessoa.DB", {}, {},
                              {number("Id_Cliente"), autoInc("Id_Pessoa"), text("Nome", 50),
                               number("Id_Endereco_Padrao"), text("Telefone", 10),
                               text("Obs", 100), number("Status")}};
    return def;
}

const TableDef& endereco() {
    static const TableDef def{"endereco.DB", "Id_Cliente", "Id_Cliente",
                              {autoInc("Id_Endereco"), number("Id_Cliente", kRequired),
                               text("Tipo_Logradouro", 6), text("Logradouro", 50),
                               text("Complemento", 25), text("Bairro", 25), text("Cidade", 25),
                               text("UF", 2), text("Pais", 25), text("Obs", 100),
                               number("Status")}};
    return def;
}

const TableDef& produto() {
    static const TableDef def{"produto.db", {}, {},
                              {autoInc("Id_Produto"), text("Produto", 30), text("Descricao", 60),
                               money("Valor"), text("Obs", 100), number("Status")}};
    return def;
}

const TableDef& notaFiscal() {
    static const TableDef def{"nota_fiscal.db", {}, {},
                              {number("Numero_NF"), autoInc("Id_Nota_Fiscal"),
                               number("Id_Cliente", kRequired), number("Id_Endereco", kRequired),
                               text("Data", 8), text("Obs", 100), number("Status")}};
    return def;
}

const TableDef& item() {
    static const TableDef def{"item.DB", "Id_Nota_Fiscal", "Numero_NF",
                              {autoInc("Id_Item"), number("Id_Nota_Fiscal", kRequired),
                               number("Id_Produto"), number("Quantidade"), number("Status")}};
    return def;
}

const std::vector<const TableDef*>& all() {
    static const std::vector<const TableDef*> tables{&pessoa(), &endereco(), &produto(),
                                                     &notaFiscal(), &item()};
    return tables;
}

}  // namespace schema
