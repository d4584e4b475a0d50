#pragma once
// The SQL of the add-item dialog: the product list it shows, and the INSERT that writes one
// item for an invoice number, a product and a quantity, line by line as the engine receives it.
// The invoice number travels as text and is pasted into the INSERT unquoted, so it is only
// written when it reads as a plain number literal.

#include <QString>
#include <QStringList>

namespace itemstatement {

// "select * from produto" / "order by produto": every product, by name.
const QStringList& productListLines();

// The five lines of the INSERT, with their blanks:
//    insert into item (id_nota_fiscal, id_produto, quantidade) values (
//     <invoice>,
//     <product>,
//     <quantity>
//    )
QStringList insertLines(const QString& invoiceNumber, const QString& product,
                        const QString& quantity);

// An optional sign, digits, optionally a decimal point and digits, optionally an exponent;
// nothing else, blanks included.
bool isPlainNumberLiteral(const QString& text);

}  // namespace itemstatement
