// nfadmin init --demo: a few customers with addresses, products and two invoices with items,
// written in one transaction.
// Invoice 1 totals R$ 20,00: 1 x 10,00 + 2 x 2,50 + 4 x 1,25.
#include <memory>
#include <stdexcept>

#include <sqlite3.h>

#include "admin.h"
#include "engine/connection.h"
#include "engine/database.h"
#include "engine/statement.h"
#include "engine/write_transaction.h"

namespace nfadmin {
namespace {

using engine::Value;

// Inserts rows into one table by column name, so the demo does not depend on column order.
class RowWriter {
public:
    RowWriter(sqlite3* db, const char* table) : db_(db), table_(table) {}

    std::int64_t insert(std::initializer_list<std::pair<const char*, Value>> values) {
        std::string names, markers;
        for (const auto& [name, value] : values) {
            names += std::string(names.empty() ? "" : ", ") + '"' + name + '"';
            markers += markers.empty() ? "?" : ", ?";
        }
        engine::Statement insert(
            db_, "INSERT INTO " + table_ + " (" + names + ") VALUES (" + markers + ")");
        int position = 1;
        for (const auto& entry : values) insert.bind(position++, entry.second);
        insert.step();
        return sqlite3_last_insert_rowid(db_);
    }

private:
    sqlite3* db_;
    std::string table_;
};

Value number(double value) { return value; }
Value text(const char* value) { return std::string(value); }

struct Customer {
    double id;
    const char* name;
    const char* phone;
    struct Address {
        const char *kind, *street, *complement, *district, *city, *state;
    };
    std::vector<Address> addresses;
};

const std::vector<Customer>& customers() {
    static const std::vector<Customer> list{
        {1, "Maria da Silva", "1132345678",
         {{"Rua", "das Flores, 123", "Apto 42", "Jardim Paulista", "São Paulo", "SP"},
          {"Av.", "Paulista, 1000", "Conjunto 12", "Bela Vista", "São Paulo", "SP"}}},
        {2, "João Pereira", "4133221100",
         {{"Rua", "XV de Novembro, 500", "", "Centro", "Curitiba", "PR"}}},
        {3, "Ana Souza", "5132109876",
         {{"Rua", "dos Andradas, 1234", "Sala 5", "Centro Histórico", "Porto Alegre", "RS"},
          {"Av.", "Atlântica, 1702", "Bloco B", "Copacabana", "Rio de Janeiro", "RJ"}}},
        {4, "Carlos Oliveira", "7133445566",
         {{"Rua", "Chile, 22", "", "Centro", "Salvador", "BA"}}},
    };
    return list;
}

struct Product {
    const char *name, *description;
    double price;
};

const std::vector<Product>& products() {
    static const std::vector<Product> list{
        {"Caderno", "Caderno universitário 200 folhas", 10.00},
        {"Caneta", "Caneta esferográfica azul", 2.50},
        {"Borracha", "Borracha branca macia", 1.25},
        {"Lápis", "Lápis preto nº 2", 0.90},
        {"Régua", "Régua de acrílico 30 cm", 3.75},
        {"Mochila", "Mochila escolar com duas alças", 89.90},
    };
    return list;
}

}  // namespace

void addDemoData(const std::string& folder) {
    engine::Connection connection(folder + "/" + engine::Database::kFileName,
                                  engine::Connection::Mode::ReadWrite);
    engine::WriteTransaction transaction(connection.handle());
    RowWriter pessoa(connection.handle(), "pessoa");
    RowWriter endereco(connection.handle(), "endereco");
    RowWriter produto(connection.handle(), "produto");
    RowWriter notaFiscal(connection.handle(), "nota_fiscal");
    RowWriter item(connection.handle(), "item");

    std::vector<std::int64_t> firstAddress;
    for (const Customer& customer : customers()) {
        std::int64_t first = 0;
        for (const Customer::Address& address : customer.addresses) {
            const std::int64_t id = endereco.insert(
                {{"Id_Cliente", number(customer.id)}, {"Tipo_Logradouro", text(address.kind)},
                 {"Logradouro", text(address.street)}, {"Complemento", text(address.complement)},
                 {"Bairro", text(address.district)}, {"Cidade", text(address.city)},
                 {"UF", text(address.state)}, {"Pais", text("Brasil")}, {"Status", number(1)}});
            if (!first) first = id;
        }
        firstAddress.push_back(first);
        pessoa.insert({{"Id_Cliente", number(customer.id)}, {"Nome", text(customer.name)},
                       {"Id_Endereco_Padrao", number(static_cast<double>(first))},
                       {"Telefone", text(customer.phone)}, {"Status", number(1)}});
    }

    std::vector<std::int64_t> productIds;
    for (const Product& product : products())
        productIds.push_back(produto.insert({{"Produto", text(product.name)},
                                             {"Descricao", text(product.description)},
                                             {"Valor", number(product.price)},
                                             {"Status", number(1)}}));

    struct Line { int product; double quantity; };
    struct Invoice { double number; int customer; const char* date; std::vector<Line> lines; };
    const std::vector<Invoice> invoices{
        {1, 0, "15/03/24", {{0, 1}, {1, 2}, {2, 4}}},
        {2, 1, "16/03/24", {{4, 2}, {5, 1}}},
    };
    for (const Invoice& invoice : invoices) {
        const Customer& customer = customers()[invoice.customer];
        notaFiscal.insert({{"Numero_NF", number(invoice.number)},
                           {"Id_Cliente", number(customer.id)},
                           {"Id_Endereco", number(static_cast<double>(firstAddress[invoice.customer]))},
                           {"Data", text(invoice.date)}, {"Status", number(1)}});
        for (const Line& line : invoice.lines)
            item.insert({{"Id_Nota_Fiscal", number(invoice.number)},
                         {"Id_Produto", number(static_cast<double>(productIds[line.product]))},
                         {"Quantidade", number(line.quantity)}});
    }
    transaction.commit();
}

}  // namespace nfadmin
