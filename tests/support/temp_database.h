#pragma once
// A real database in a temporary folder for one test: the folder is drive C, the database
// lives in C/nota_fiscal (so both the alias nota_fiscal and the folder C:\nota_fiscal reach it),
// NOTAFISCAL_ENGINE_CONFIG points at a config written there, and the default session starts
// afresh. Everything is removed, and the session reset, when the object goes.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testing_support {

class TempDatabase {
public:
    enum class Content { Empty, Tables, Demo };  // Empty: no database file at all
    explicit TempDatabase(Content content = Content::Tables);
    ~TempDatabase();

    QString root() const;        // the drive C folder
    QString folder() const;      // the database folder (C/nota_fiscal)
    QString filePath() const;    // the SQLite file
    QString configPath() const;  // the engine configuration written for the test

    // Direct access to the file, to set up rows and to check what the database holds.
    void exec(const QString& sql) const;
    // Each row's values joined by '|', an empty value as "NULL", numbers as SQLite prints them.
    QStringList rows(const QString& sql) const;

private:
    QTemporaryDir dir_;
    QByteArray previousConfig_;
};

}  // namespace testing_support
