// Grid timings on a million rows, offscreen: the product table in a 473 x 345 grid (first
// paint, Ctrl+End, PageUp, Ctrl+Home), the customer screen's address grid as the detail of
// one customer with a million addresses, and the add-item product list over its query.
// Every step ends with the grid painted. It ends with the process's peak resident memory.
// Run: build/bench/grid_bench [ROWS]  (default 1000000; the data goes to a temporary folder).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>

#include "admin.h"
#include "data_source.h"
#include "db_grid.h"
#include "default_session.h"
#include "engine/database.h"
#include "query.h"
#include "schema.h"
#include "screen_font.h"
#include "table.h"

namespace {

constexpr int kPageMoves = 100;
constexpr QSize kGridSize(473, 345);

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// One line: what was timed, its milliseconds and the peak resident memory so far.
void measure(const char* what, const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    std::printf("%-52s %10.2f ms %9.1f MB\n", what, milliseconds, peakMegabytes());
    std::fflush(stdout);
}

// A direct connection for the fill, bypassing the engine.
class FillConnection {
public:
    explicit FillConnection(const std::string& file) {
        if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            fail();
    }
    ~FillConnection() { sqlite3_close_v2(db_); }
    void exec(const char* sql) {
        if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail();
    }
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK) fail();
        return statement;
    }
    void run(sqlite3_stmt* statement) {
        if (sqlite3_step(statement) != SQLITE_DONE) fail();
        sqlite3_reset(statement);
    }
    [[noreturn]] void fail() const {
        throw std::runtime_error(std::string("fill: ") + (db_ ? sqlite3_errmsg(db_) : "no memory"));
    }

private:
    sqlite3* db_ = nullptr;
};

void bindText(sqlite3_stmt* statement, int column, const std::string& text) {
    sqlite3_bind_text(statement, column, text.c_str(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
}

// One customer (Id_Cliente 1) with `rows` addresses, and `rows` products, in one transaction.
void fill(const std::string& file, long rows) {
    FillConnection db(file);
    db.exec("PRAGMA synchronous=OFF");
    db.exec("BEGIN");
    db.exec("INSERT INTO pessoa (Id_Cliente, Nome, Status) VALUES (1, 'Cliente um', 1)");
    sqlite3_stmt* address =
        db.prepare("INSERT INTO endereco (Id_Cliente, Tipo_Logradouro, Logradouro, Bairro, "
                   "Cidade, UF, Pais, Status) VALUES (1, 'Rua', ?, 'Centro', 'Campinas', 'SP', "
                   "'Brasil', 1)");
    sqlite3_stmt* product = db.prepare(
        "INSERT INTO produto (Produto, Descricao, Valor, Status) VALUES (?, ?, ?, 1)");
    for (long i = 0; i < rows; ++i) {
        bindText(address, 1, "Rua número " + std::to_string(i + 1));
        db.run(address);
        // Names in scrambled order, so the ordered list differs from row order.
        const long scrambled = (i * 7919) % rows;
        bindText(product, 1, "Produto " + std::to_string(scrambled));
        bindText(product, 2, "Descrição do produto número " + std::to_string(i));
        sqlite3_bind_double(product, 3, static_cast<double>(i % 10000) / 100.0);
        db.run(product);
    }
    sqlite3_finalize(address);
    sqlite3_finalize(product);
    db.exec("COMMIT");
}

// A temporary engine configuration: drive C in a temporary folder, alias nota_fiscal on it.
void configureEngine(const QTemporaryDir& dir) {
    const QString root = dir.path() + "/C";
    QDir(root).mkpath("nota_fiscal");
    const QString configPath = dir.path() + "/engine.ini";
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly | QIODevice::Text))
        throw std::runtime_error("cannot write the engine configuration");
    config.write("[Drives]\nC=" + root.toUtf8() + "\n\n[Aliases]\nnota_fiscal=C:\\nota_fiscal\n");
    config.close();
    qputenv("NOTAFISCAL_ENGINE_CONFIG", configPath.toUtf8());
    resetDefaultSession();
}

// A window holding one grid of the product list's size, shown, with the focus in the grid.
// Where a grid stands: the current record's field and the lines on screen.
void note(const DataSet& dataSet, const char* field, const DBGrid& grid) {
    std::printf("    (current %s: %s; %d full lines)\n", field,
                qPrintable(dataSet.fieldByName(field).displayText()), grid.visibleRowCount());
}

struct GridWindow {
    explicit GridWindow(DataSource& source, GridOptions options = defaultGridOptions) {
        window.setFont(screenFont());
        window.resize(kGridSize + QSize(16, 16));
        grid = new DBGrid(&window);
        grid->setGeometry(QRect(QPoint(8, 8), kGridSize));
        grid->setOptions(options);
        grid->setDataSource(&source);
    }
    void show() {
        window.show();
        window.activateWindow();
        grid->setFocus();
        paint();
    }
    // Lets the deferred layout run, then paints the grid once.
    void paint() {
        QApplication::processEvents();
        grid->grab();
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent down(QEvent::KeyPress, key, modifiers);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(grid, &down);
        QApplication::sendEvent(grid, &up);
        paint();
    }

    QWidget window;
    DBGrid* grid = nullptr;
};

void productTable() {
    Table produto("Table1");
    produto.setDatabaseName("nota_fiscal");
    produto.setDefinition(schema::produto());
    DataSource source;
    source.setDataSet(&produto);
    GridWindow ui(source);

    measure("produto.db: open", [&] { produto.open(); });
    measure("produto.db: show grid, first paint", [&] { ui.show(); });
    measure("produto.db: 100 x paint, no move (paint alone)", [&] {
        for (int i = 0; i < kPageMoves; ++i) ui.grid->grab();
    });
    measure("produto.db: Ctrl+End, paint", [&] { ui.press(Qt::Key_End, Qt::ControlModifier); });
    note(produto, "Id_Produto", *ui.grid);
    measure("produto.db: 100 x PageUp, paint each", [&] {
        for (int i = 0; i < kPageMoves; ++i) ui.press(Qt::Key_PageUp);
    });
    note(produto, "Id_Produto", *ui.grid);
    measure("produto.db: Ctrl+Home, paint", [&] { ui.press(Qt::Key_Home, Qt::ControlModifier); });
    produto.close();
}

void customerAddresses() {
    Table pessoa("Table1");
    pessoa.setDatabaseName("C:\\nota_fiscal");
    pessoa.setDefinition(schema::pessoa());
    DataSource masterSource;
    masterSource.setDataSet(&pessoa);
    Table endereco("Table2");
    endereco.setDatabaseName("C:\\nota_fiscal");
    endereco.setDefinition(schema::endereco());
    endereco.setIndexName("Id_Cliente");
    endereco.setMasterSource(&masterSource);
    endereco.setMasterFields("Id_Cliente");
    DataSource detailSource;
    detailSource.setDataSet(&endereco);
    GridWindow ui(detailSource);
    ui.grid->setBorderStyle(DBGrid::BorderStyle::None);

    measure("endereco.DB detail: open master and detail", [&] {
        pessoa.open();
        endereco.open();
    });
    measure("endereco.DB detail: show grid, first paint", [&] { ui.show(); });
    measure("endereco.DB detail: Ctrl+End, paint",
            [&] { ui.press(Qt::Key_End, Qt::ControlModifier); });
    note(endereco, "Id_Endereco", *ui.grid);
    measure("endereco.DB detail: 100 x PageUp, paint each", [&] {
        for (int i = 0; i < kPageMoves; ++i) ui.press(Qt::Key_PageUp);
    });
    note(endereco, "Id_Endereco", *ui.grid);
    measure("endereco.DB detail: Ctrl+Home, paint",
            [&] { ui.press(Qt::Key_Home, Qt::ControlModifier); });
    endereco.close();
    pessoa.close();
}

void productList() {
    Query query("Query1");
    query.setDatabaseName("nota_fiscal");
    query.setSql({"select * from produto", "order by produto"});
    DataSource source;
    source.setDataSet(&query);
    GridWindow ui(source, dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines |
                              dgTabs | dgRowSelect | dgConfirmDelete | dgCancelOnExit);

    measure("product list query: open", [&] { query.open(); });
    measure("product list query: show grid, first paint", [&] { ui.show(); });
    measure("product list query: Ctrl+End (reads all rows), paint",
            [&] { ui.press(Qt::Key_End, Qt::ControlModifier); });
    note(query, "Produto", *ui.grid);
    measure("product list query: 100 x PageUp, paint each", [&] {
        for (int i = 0; i < kPageMoves; ++i) ui.press(Qt::Key_PageUp);
    });
    measure("product list query: Ctrl+Home, paint",
            [&] { ui.press(Qt::Key_Home, Qt::ControlModifier); });
    measure("product list query: close", [&] { query.close(); });
}

}  // namespace

int main(int argc, char** argv) {
    const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
    if (rows < 1000) {
        std::fprintf(stderr, "usage: grid_bench [ROWS]   (ROWS at least 1000)\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "grid bench: cannot create a temporary folder\n");
        return 1;
    }
    std::printf("grid bench: %ld products, %ld addresses of one customer, grid %d x %d\n", rows,
                rows, kGridSize.width(), kGridSize.height());
    std::printf("%-52s %13s %12s\n", "step", "time", "peak RSS");

    try {
        configureEngine(dir);
        const std::string folder = (dir.path() + "/C/nota_fiscal").toStdString();
        measure("create tables and fill (setup)", [&] {
            nfadmin::initDatabase(folder, false);
            fill(folder + "/" + engine::Database::kFileName, rows);
        });
        productTable();
        customerAddresses();
        productList();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "grid bench: %s\n", error.what());
        return 1;
    }
    resetDefaultSession();

    std::printf("%-52s %22.1f MB\n", "peak resident memory", peakMegabytes());
    return 0;
}
