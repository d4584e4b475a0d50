#pragma once
// Invoice rows held in memory, with the report query's columns and kinds, for laying out the
// invoice report without a database; and the Brazilian number settings the tests print with.

#include <QString>
#include <vector>

#include "locale_settings.h"
#include "row_source.h"

namespace report_testing {

struct Item {
    double quantity;
    QString description;
    double price;
};

class InvoiceRows : public report::RowSource {
public:
    InvoiceRows(double invoiceNumber, std::vector<Item> items)
        : number_(invoiceNumber), items_(std::move(items)) {}

    void first() override { row_ = 0; }
    void next() override { ++row_; }
    bool eof() const override { return row_ >= items_.size(); }
    int fieldIndex(const QString& name) const override;
    FieldKind fieldKind(int index) const override;
    engine::Value value(int index) const override;
    QString name() const override { return QStringLiteral("Query1"); }

private:
    double number_;
    std::vector<Item> items_;
    std::size_t row_ = 0;
};

// `count` items of quantity 1 and price 1.
std::vector<Item> manyItems(int count);

// Comma decimals, "R$ " before amounts; restores the previous settings when it goes.
class BrazilianNumbers {
public:
    BrazilianNumbers();
    ~BrazilianNumbers();

private:
    LocaleSettings previous_;
};

}  // namespace report_testing
