#include "invoice_rows.h"

#include <QStringList>

namespace report_testing {

namespace {
const QStringList kColumns{"numero_nf", "quantidade", "descricao", "valor", "valor * quantidade"};
}

int InvoiceRows::fieldIndex(const QString& name) const {
    for (int i = 0; i < kColumns.size(); ++i)
        if (kColumns[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

FieldKind InvoiceRows::fieldKind(int index) const {
    switch (index) {
    case 2: return FieldKind::Text;
    case 3: return FieldKind::Money;
    default: return FieldKind::Number;
    }
}

engine::Value InvoiceRows::value(int index) const {
    const Item& item = items_.at(row_);
    switch (index) {
    case 0: return number_;
    case 1: return item.quantity;
    case 2: return item.description.toStdString();
    case 3: return item.price;
    default: return item.price * item.quantity;
    }
}

std::vector<Item> manyItems(int count) {
    std::vector<Item> items;
    for (int i = 1; i <= count; ++i) items.push_back({1, QStringLiteral("Item %1").arg(i), 1});
    return items;
}

BrazilianNumbers::BrazilianNumbers() : previous_(LocaleSettings::current()) {
    LocaleSettings brazil;
    brazil.decimalSeparator = ',';
    brazil.thousandSeparator = '.';
    brazil.currencySymbol = QStringLiteral("R$");
    brazil.currencyFormat = 2;
    brazil.currencyDecimals = 2;
    LocaleSettings::setCurrent(brazil);
}

BrazilianNumbers::~BrazilianNumbers() { LocaleSettings::setCurrent(previous_); }

}  // namespace report_testing
