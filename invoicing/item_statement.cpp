#include "item_statement.h"

#include <QRegularExpression>

namespace itemstatement {

const QStringList& productListLines() {
    static const QStringList lines{QStringLiteral("select * from produto"),
                                   QStringLiteral("order by produto")};
    return lines;
}

QStringList insertLines(const QString& invoiceNumber, const QString& product,
                        const QString& quantity) {
    return {
        QStringLiteral(" insert into item (id_nota_fiscal, id_produto, quantidade) values ("),
        QStringLiteral("  ") + invoiceNumber + QStringLiteral(", "),
        QStringLiteral("  ") + product + QStringLiteral(", "),
        QStringLiteral("  ") + quantity + QStringLiteral(" "),
        QStringLiteral(" )"),
    };
}

bool isPlainNumberLiteral(const QString& text) {
    static const QRegularExpression literal(
        QStringLiteral("\\A[+-]?[0-9]+(\\.[0-9]+)?([eE][+-]?[0-9]+)?\\z"));
    return literal.match(text).hasMatch();
}

}  // namespace itemstatement
