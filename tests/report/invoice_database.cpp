#include "invoice_database.h"

namespace report_testing {

InvoiceDatabase::InvoiceDatabase() : TempDatabase(Content::Tables) {
    exec("INSERT INTO pessoa (Id_Cliente, Nome) VALUES (1, 'Maria da Silva')");
    exec("INSERT INTO endereco (Id_Endereco, Id_Cliente, Logradouro) VALUES (1, 1, 'Rua A, 1')");
    exec("INSERT INTO produto (Id_Produto, Produto, Descricao, Valor) VALUES "
         "(1, 'Caderno', 'Caderno universitario', 10.00), (2, 'Caneta', 'Caneta azul', 2.50), "
         "(3, 'Borracha', 'Borracha branca', 1.25)");
    exec("INSERT INTO nota_fiscal (Numero_NF, Id_Cliente, Id_Endereco, Data) VALUES "
         "(7, 1, 1, '01012024'), (8, 1, 1, '02012024')");
    exec("INSERT INTO item (Id_Nota_Fiscal, Id_Produto, Quantidade) VALUES (7, 1, 1), (7, 2, 2), "
         "(7, 3, 4)");
}

}  // namespace report_testing
