#pragma once
// A table data set over an engine cursor: database name (alias or folder), table file name,
// optional index, optional master link, and the declared fields bound at open.
// Binding messages: "%s: Field '%s' not found", "Field '%s' is not of the expected type".

#include <QPointer>
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
    // Makes the field objects, which live until the next call (closed tables only).
    void setFieldDefs(std::vector<FieldDef> defs);
    // Takes table name, index name, master field and fields from a schema description.
    void setDefinition(const TableDef& def);
    // The detail link: rows whose first index field equals the master's field. The detail
    // settles before every master action and follows the master's current link value.
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
    bool followsField(const Field& field) const override;

private:
    class MasterLink;

    engine::Value masterValue() const;  // the master's link value; empty when it is closed
    void followMaster();                // range on the master's link value, first row
    void registerWithMaster();          // the master settles this table before its actions

    QString databaseName_, tableName_, indexName_, masterFields_;
    std::vector<FieldDef> defs_;
    std::unique_ptr<engine::TableCursor> cursor_;
    std::unique_ptr<engine::RecordLock> lock_;
    std::unique_ptr<MasterLink> masterLink_;
    QPointer<DataSet> registeredMaster_;
};
