#include "relatorio.h"

#include "query.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(QWidget* parent) : QWidget(parent), Query1(new Query("Query1", this)) {
    setObjectName("Form6");
    setWindowTitle("Form6");

    Query1->setDatabaseName("nota_fiscal");
    Query1->setSql({
        "select nf.numero_nf,",
        "       nf.data,",
        "       pe.nome, ",
        "       en.tipo_logradouro, ",
        "       en.logradouro,",
        "       en.complemento,",
        "       en.bairro,",
        "       en.cidade,",
        "       en.uf,",
        "       it.quantidade,",
        "       pr.descricao,",
        "       pr.valor,",
        "       pr.valor * it.quantidade",
        "from pessoa pe, endereco en, nota_fiscal nf, item it, produto pr",
        "where nf.id_cliente = pe.id_cliente",
        "  and nf.id_endereco = en.id_endereco",
        "  and nf.numero_nf = 1",
        "  and it.id_nota_fiscal = nf.numero_nf",
        "  and it.id_produto = pr.id_produto",
    });
}
