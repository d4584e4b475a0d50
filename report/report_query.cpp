#include "report_query.h"

namespace report {

const QStringList& creationStatement() {
    static const QStringList lines{
        QStringLiteral("select nf.numero_nf,"),
        QStringLiteral("       nf.data,"),
        QStringLiteral("       pe.nome, "),
        QStringLiteral("       en.tipo_logradouro, "),
        QStringLiteral("       en.logradouro,"),
        QStringLiteral("       en.complemento,"),
        QStringLiteral("       en.bairro,"),
        QStringLiteral("       en.cidade,"),
        QStringLiteral("       en.uf,"),
        QStringLiteral("       it.quantidade,"),
        QStringLiteral("       pr.descricao,"),
        QStringLiteral("       pr.valor,"),
        QStringLiteral("       pr.valor * it.quantidade"),
        QStringLiteral("from pessoa pe, endereco en, nota_fiscal nf, item it, produto pr"),
        QStringLiteral("where nf.id_cliente = pe.id_cliente"),
        QStringLiteral("  and nf.id_endereco = en.id_endereco"),
        QStringLiteral("  and nf.numero_nf = 1"),
        QStringLiteral("  and it.id_nota_fiscal = nf.numero_nf"),
        QStringLiteral("  and it.id_produto = pr.id_produto"),
    };
    return lines;
}

const QStringList& requestLinesBeforeNumber() {
    static const QStringList lines{
        QStringLiteral(" select nf.numero_nf, "),
        QStringLiteral("        nf.data, "),
        QStringLiteral("        pe.nome, "),
        QStringLiteral("        en.tipo_logradouro, "),
        QStringLiteral("        en.logradouro, "),
        QStringLiteral("        en.complemento, "),
        QStringLiteral("        en.bairro, "),
        QStringLiteral("        en.cidade, "),
        QStringLiteral("        en.uf, "),
        QStringLiteral("        it.quantidade, "),
        QStringLiteral("        pr.descricao, "),
        QStringLiteral("        pr.valor, "),
        QStringLiteral("        pr.valor * it.quantidade "),
        QStringLiteral(" from pessoa pe, endereco en, nota_fiscal nf, item it, produto pr "),
        QStringLiteral(" where nf.id_cliente = pe.id_cliente "),
        QStringLiteral("   and nf.id_endereco = en.id_endereco "),
    };
    return lines;
}

const QStringList& requestLinesAfterNumber() {
    static const QStringList lines{
        QStringLiteral("   and it.id_nota_fiscal = nf.numero_nf "),
        QStringLiteral("   and it.id_produto = pr.id_produto "),
    };
    return lines;
}

QStringList requestStatement(const QString& typedNumber) {
    return requestLinesBeforeNumber() + QStringList{kNumberLinePrefix + typedNumber} +
           requestLinesAfterNumber();
}

}  // namespace report
