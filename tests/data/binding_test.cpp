// Binding declared fields to engine columns: kind groups, sizes, names without regard to case.
#include <gtest/gtest.h>

#include "binding.h"
#include "errors.h"

namespace {

using engine::Column;
using engine::ColumnType;

const std::vector<FieldDef> produto = {
    {"Id_Produto", FieldKind::AutoIncrement, 0, false},
    {"Produto", FieldKind::Text, 30, false},
    {"Valor", FieldKind::Money, 0, false},
    {"Quantidade", FieldKind::Number, 0, false},
};

std::vector<Column> columns(ColumnType id, ColumnType valor, ColumnType quantidade,
                            int produtoSize = 30) {
    return {{"id_produto", id, 0},
            {"PRODUTO", ColumnType::Char, produtoSize},
            {"Extra", ColumnType::Other, 0},
            {"Valor", valor, 0},
            {"Quantidade", quantidade, 0}};
}

QString failure(const std::vector<FieldDef>& defs, const std::vector<Column>& cols) {
    try {
        binding::bindFields("Table1", defs, cols);
        return {};
    } catch (const DataError& e) {
        return QString::fromUtf8(e.what());
    }
}

}  // namespace

TEST(BindingTest, AcceptsEachKindGroupAndAnyLetterCase) {
    const auto indexes = binding::bindFields(
        "Table1", produto, columns(ColumnType::AutoIncrement, ColumnType::Money, ColumnType::Number));
    EXPECT_EQ(indexes, (std::vector<int>{0, 1, 3, 4}));

    // A plain integer for the autoincrement field, a plain number for money, money for a number.
    EXPECT_EQ(failure(produto, columns(ColumnType::Integer, ColumnType::Number, ColumnType::Money)), "");
}

TEST(BindingTest, RefusesOtherGroupsAndSizes) {
    struct Case { std::vector<Column> cols; const char* message; };
    const Case cases[] = {
        {columns(ColumnType::Number, ColumnType::Money, ColumnType::Number),
         "Field 'Id_Produto' is not of the expected type"},
        {columns(ColumnType::AutoIncrement, ColumnType::Integer, ColumnType::Number),
         "Field 'Valor' is not of the expected type"},
        {columns(ColumnType::AutoIncrement, ColumnType::Money, ColumnType::Char),
         "Field 'Quantidade' is not of the expected type"},
        {columns(ColumnType::AutoIncrement, ColumnType::Money, ColumnType::Number, 25),
         "Field 'Produto' is not of the expected type"},
        {{{"Id_Produto", ColumnType::AutoIncrement, 0}, {"Produto", ColumnType::Char, 30}},
         "Table1: Field 'Valor' not found"},
    };
    for (const Case& c : cases) EXPECT_EQ(failure(produto, c.cols), c.message);

    const std::vector<FieldDef> nome = {{"Nome", FieldKind::Text, 50, false}};
    EXPECT_EQ(failure(nome, {{"NOME", ColumnType::Char, 40}}), "Field 'Nome' is not of the expected type");
    EXPECT_EQ(failure(nome, {{"NOME", ColumnType::Char, 50}}), "");
}
