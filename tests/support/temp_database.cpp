#include "temp_database.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

#include <sqlite3.h>

#include "admin.h"
#include "default_session.h"

namespace testing_support {
namespace {

constexpr const char* kConfigVariable = "NOTAFISCAL_ENGINE_CONFIG";

// A connection straight to the file, bypassing the engine, closed when it goes.
class DirectConnection {
public:
    explicit DirectConnection(const QString& path) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) !=
            SQLITE_OK)
            fail("open");
    }
    ~DirectConnection() { sqlite3_close_v2(db_); }
    sqlite3* handle() const { return db_; }
    [[noreturn]] void fail(const char* what) const {
        throw std::runtime_error(std::string("test database ") + what + ": " +
                                 (db_ ? sqlite3_errmsg(db_) : "out of memory"));
    }

private:
    sqlite3* db_ = nullptr;
};

}  // namespace

TempDatabase::TempDatabase(Content content) {
    if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary folder");
    previousConfig_ = qgetenv(kConfigVariable);
    QDir(root()).mkpath("nota_fiscal");

    QFile config(configPath());
    if (!config.open(QIODevice::WriteOnly | QIODevice::Text))
        throw std::runtime_error("cannot write the engine configuration");
    config.write("[Drives]\nC=" + root().toUtf8() + "\n\n[Aliases]\nnota_fiscal=C:\\nota_fiscal\n");
    config.close();
    qputenv(kConfigVariable, configPath().toUtf8());
    resetDefaultSession();

    if (content != Content::Empty)
        nfadmin::initDatabase(folder().toStdString(), content == Content::Demo);
}

TempDatabase::~TempDatabase() {
    resetDefaultSession();
    if (previousConfig_.isNull())
        qunsetenv(kConfigVariable);
    else
        qputenv(kConfigVariable, previousConfig_);
}

QString TempDatabase::root() const { return dir_.path() + "/C"; }
QString TempDatabase::folder() const { return root() + "/nota_fiscal"; }
QString TempDatabase::filePath() const { return folder() + "/database.sqlite3"; }
QString TempDatabase::configPath() const { return dir_.path() + "/engine.ini"; }

void TempDatabase::exec(const QString& sql) const {
    DirectConnection connection(filePath());
    if (sqlite3_exec(connection.handle(), sql.toUtf8().constData(), nullptr, nullptr, nullptr) !=
        SQLITE_OK)
        connection.fail("exec");
}

QStringList TempDatabase::rows(const QString& sql) const {
    DirectConnection connection(filePath());
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(connection.handle(), sql.toUtf8().constData(), -1, &statement,
                           nullptr) != SQLITE_OK)
        connection.fail("query");
    QStringList result;
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        QStringList values;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            if (sqlite3_column_type(statement, i) == SQLITE_NULL)
                values << "NULL";
            else
                values << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
        }
        result << values.join('|');
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE) connection.fail("query");
    return result;
}

}  // namespace testing_support
