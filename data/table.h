#pragma once
// A table data set over an engine cursor: database name (alias or folder), table file name,
// optional index, optional master link, and the declared fields bound at open.
// Binding messages: "%s: Field '%s' not found", "Field '%s' is not of the expected type".

#include <memory>

#include "data_set.h"
#include "schema.h"

namespace engine { class TableCursor; class RecordLock; }

class Table : public DataSet {
    Q_OBJECT
public:
    explicit Table(const QString& name, QObject* parent = nullptr);
    ~Table() override;

    void setDatabaseName(const QString& name) { databaseName_ = name; }
    void setTableName(const QString& name) { tableName_ = name; }
    void setIndexName(const QString& name) { indexName_ = name; }
    void setFieldDefs(std::vector<FieldDef> defs) { defs_ = std::move(defs); }
    // Takes table name, index name and fields from a schema description.
    void setDefinition(const TableDef& def);
    // The detail link: rows whose first index field equals the master's field.
    void setMasterSource(DataSource* source);
    void setMasterFields(const QString& fieldName) { masterFields_ = fieldName; }

    const QString& databaseName() const { return databaseName_; }
    const QString& tableName() const { return tableName_; }
    bool modifiable() const override;

protected:
    void doOpen() override;
    void doClose() override;
    std::optional<engine::Row> doFirst() override;
    std::optional<engine::Row> doLast() override;
    std::vector<engine::Row> doNext(const engine::Row& from, int count) override;
    std::vector<engine::Row> doPrior(const engine::Row& from, int count) override;
    std::optional<engine::Row> doFetch(const engine::Row& row) override;
    void doLock(const engine::Row& row) override;
    void doUnlock() override;
    std::int64_t doInsert(const engine::Row& values) override;
    void doUpdate(const engine::Row& row) override;
    void doRemove(const engine::Row& row) override;
    void initNewRecord(engine::Row& row) override;

private:
    class MasterLink;

    QString databaseName_, tableName_, indexName_, masterFields_;
    std::vector<FieldDef> defs_;
    std::unique_ptr<engine::TableCursor> cursor_;
    std::unique_ptr<engine::RecordLock> lock_;
    std::unique_ptr<MasterLink> masterLink_;
};
