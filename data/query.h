#pragma once
// A query data set: SQL lines sent to the engine each ended by "\r\n". SELECTs give a
// read-only result whose fields are made from the engine's columns (names without regard to
// case); execSQL runs a statement that returns no rows. Changing the lines closes the query.

#include <QStringList>
#include <memory>

#include "data_set.h"

namespace engine { class ResultSet; }

class Query : public DataSet {
    Q_OBJECT
public:
    explicit Query(const QString& name, QObject* parent = nullptr);
    ~Query() override;

    void setDatabaseName(const QString& name) { databaseName_ = name; }
    const QString& databaseName() const { return databaseName_; }

    const QStringList& sql() const { return sql_; }
    void clearSql();                  // closes an open query
    void addSql(const QString& line); // closes an open query
    void setSql(const QStringList& lines);
    QString sqlText() const;          // every line followed by "\r\n"

    void execSQL();
    bool modifiable() const override { return false; }

protected:
    void doOpen() override;
    void doClose() override;
    std::optional<engine::Row> doFirst() override;
    std::optional<engine::Row> doLast() override;
    std::vector<engine::Row> doNext(const engine::Row& from, int count) override;
    std::vector<engine::Row> doPrior(const engine::Row& from, int count) override;
    std::optional<engine::Row> doFetch(const engine::Row& row) override;
    std::int64_t doInsert(const engine::Row& values) override;
    void doUpdate(const engine::Row& row) override;
    void doRemove(const engine::Row& row) override;

private:
    QString databaseName_;
    QStringList sql_;
    std::unique_ptr<engine::ResultSet> result_;
};
