// Engine timings on a million rows: opening, the navigator's moves over a keyset cursor, a
// re-read, a detail range, the ordered product list, and the peak memory of the process.
// Run: build/bench/engine_bench [ROWS]  (default 1000000; the data goes to a temporary folder).
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sqlite3.h>
#include <sys/resource.h>

#include "admin.h"
#include "engine/connection.h"
#include "engine/database.h"
#include "engine/result_set.h"
#include "engine/statement.h"
#include "engine/table_cursor.h"
#include "engine/write_transaction.h"

namespace {

constexpr int kItemsPerInvoice = 10;
constexpr int kMoves = 1000;

double millisecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void report(const char* what, double milliseconds) {
    std::printf("%-44s %10.3f ms\n", what, milliseconds);
}

// Fills produto and item with `rows` rows each in one transaction each.
void fill(const std::string& folder, long rows) {
    engine::Connection connection(folder + "/" + engine::Database::kFileName,
                                  engine::Connection::Mode::ReadWrite);
    connection.exec("PRAGMA synchronous=OFF");
    engine::WriteTransaction transaction(connection.handle());
    engine::Statement product(connection.handle(),
                              "INSERT INTO produto (Produto, Descricao, Valor, Status) "
                              "VALUES (?, ?, ?, 1)");
    engine::Statement item(connection.handle(),
                           "INSERT INTO item (Id_Nota_Fiscal, Id_Produto, Quantidade) "
                           "VALUES (?, ?, ?)");
    for (long i = 0; i < rows; ++i) {
        // Names in scrambled order, so the name index differs from row order.
        const long scrambled = (i * 7919) % rows;
        product.bind(1, engine::Value{"Produto " + std::to_string(scrambled)});
        product.bind(2, engine::Value{"Descrição do produto número " + std::to_string(i)});
        product.bind(3, engine::Value{static_cast<double>(i % 10000) / 100.0});
        product.step();
        product.reset();
        item.bind(1, engine::Value{static_cast<double>(scrambled / kItemsPerInvoice)});
        item.bind(2, engine::Value{static_cast<double>(i + 1)});
        item.bind(3, engine::Value{static_cast<double>(i % 7 + 1)});
        item.step();
        item.reset();
    }
    transaction.commit();
}

}  // namespace

int main(int argc, char** argv) {
    const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
    if (rows < 1000) {
        std::fprintf(stderr, "usage: engine_bench [ROWS]   (ROWS at least 1000)\n");
        return 2;
    }
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/nota_fiscal";
    std::printf("engine bench: %ld rows in produto and in item\n", rows);

    try {
        report("create tables and fill (setup)", millisecondsOf([&] {
                   nfadmin::initDatabase(folder, false);
                   fill(folder, rows);
               }));

        std::unique_ptr<engine::Database> database;
        std::unique_ptr<engine::TableCursor> produto;
        report("open database and produto.db", millisecondsOf([&] {
                   database = std::make_unique<engine::Database>(folder);
                   produto = database->openTable("produto.db");
               }));

        std::optional<engine::Row> row;
        report("first", millisecondsOf([&] { row = produto->first(); }));
        report("last", millisecondsOf([&] { row = produto->last(); }));

        row = produto->first();
        report("1000 x next (one row each)", millisecondsOf([&] {
                   for (int i = 0; i < kMoves; ++i) row = produto->next(*row, 1).front();
               }));
        report("1000 x prior (one row each)", millisecondsOf([&] {
                   for (int i = 0; i < kMoves; ++i) row = produto->prior(*row, 1).front();
               }));
        report("1000 x fetch (re-read by rowid)", millisecondsOf([&] {
                   for (int i = 0; i < kMoves; ++i) produto->fetch(1 + (i * 997L) % rows);
               }));

        std::unique_ptr<engine::TableCursor> byName;
        report("open produto.db on the name index", millisecondsOf([&] {
                   byName = database->openTable("produto.db", "produto_Produto");
               }));
        report("name index: last, then 1000 x prior", millisecondsOf([&] {
                   row = byName->last();
                   for (int i = 0; i < kMoves; ++i) row = byName->prior(*row, 1).front();
               }));

        std::unique_ptr<engine::TableCursor> item;
        report("open item.DB on Id_Nota_Fiscal", millisecondsOf([&] {
                   item = database->openTable("item.DB", "Id_Nota_Fiscal");
               }));
        std::size_t detailRows = 0;
        report("detail range: set, first and its rows", millisecondsOf([&] {
                   item->setRange(engine::Value{static_cast<double>(rows / kItemsPerInvoice / 2)});
                   row = item->first();
                   detailRows = row ? 1 + item->next(*row, 100).size() : 0;
               }));
        std::printf("  (%zu rows in the range)\n", detailRows);
        report("1000 detail ranges, first row of each", millisecondsOf([&] {
                   for (int i = 0; i < kMoves; ++i) {
                       const long invoice = (i * 37L) % (rows / kItemsPerInvoice);
                       item->setRange(engine::Value{static_cast<double>(invoice)});
                       row = item->first();
                   }
               }));

        std::unique_ptr<engine::ResultSet> list;
        report("select * from produto order by produto: 20 rows", millisecondsOf([&] {
                   list = database->select("select * from produto\r\norder by produto\r\n");
                   list->hasRow(19);
               }));
        report("insert one product (committed, synchronous)", millisecondsOf([&] {
                   std::vector<engine::Value> values(produto->columns().size());
                   values[1] = std::string("Produto novo");
                   produto->insert(values);
               }));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "engine bench: %s\n", error.what());
        return 1;
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-44s %10.1f MB\n", "peak resident memory", usage.ru_maxrss / 1024.0);
    return 0;
}
