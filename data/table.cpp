#include "table.h"

#include "binding.h"
#include "data_link.h"
#include "data_messages.h"
#include "data_source.h"
#include "default_session.h"
#include "engine/database.h"
#include "engine/record_lock.h"
#include "engine/table_cursor.h"
#include "errors.h"

// Hears the master's data source: after every move, insert, post, cancel or re-read of the
// master, and every write to its link field, the detail shows the rows of the link value.
class Table::MasterLink : public DataLink {
public:
    MasterLink(Table& detail, DataSource* source) : detail_(detail), source_(source) {
        if (source_) source_->addLink(this);
    }
    ~MasterLink() override {
        if (source_) source_->removeLink(this);
    }

    DataSet* master() const { return source_ ? source_->dataSet() : nullptr; }

    bool isLinkField(const Field& field) const {
        return field.dataSet() == master() &&
               field.name().compare(detail_.masterFields_, Qt::CaseInsensitive) == 0;
    }

    void activeChanged() override { detail_.followMaster(); }
    void dataSetChanged() override { detail_.followMaster(); }
    void dataSetScrolled() override { detail_.followMaster(); }
    void recordChanged(Field* field) override {
        if (field ? isLinkField(*field) : rangeIsStale()) detail_.followMaster();
    }

private:
    bool rangeIsStale() const {
        return detail_.cursor_ && detail_.cursor_->range() != detail_.masterValue();
    }

    Table& detail_;
    QPointer<DataSource> source_;
};

Table::Table(const QString& name, QObject* parent) : DataSet(name, parent) {}

Table::~Table() {
    try {
        close();
    } catch (...) {
        // Closing discards; a failing listener has nothing left to tell.
    }
    if (registeredMaster_) registeredMaster_->removeDetail(this);
}

void Table::setFieldDefs(std::vector<FieldDef> defs) {
    if (active()) throw DataError(datamsg::openDataSet(name()));
    fields_.clear();
    for (const FieldDef& def : defs) fields_.push_back(std::make_unique<Field>(this, def));
    defs_ = std::move(defs);
}

void Table::setDefinition(const TableDef& def) {
    if (active()) throw DataError(datamsg::openDataSet(name()));
    setTableName(def.fileName);
    setIndexName(def.indexName);
    if (!def.masterField.isEmpty()) setMasterFields(def.masterField);
    setFieldDefs(def.fields);
}

void Table::setMasterSource(DataSource* source) {
    masterLink_.reset();
    if (source) masterLink_ = std::make_unique<MasterLink>(*this, source);
    if (active()) followMaster();
}

bool Table::modifiable() const { return active() && cursor_ && cursor_->modifiable(); }

engine::Value Table::masterValue() const {
    DataSet* master = masterLink_ ? masterLink_->master() : nullptr;
    if (!master || !master->active()) return {};
    return master->fieldByName(masterFields_).value();
}

void Table::registerWithMaster() {
    DataSet* master = cursor_ && masterLink_ ? masterLink_->master() : nullptr;
    if (registeredMaster_ == master) return;
    if (registeredMaster_) registeredMaster_->removeDetail(this);
    registeredMaster_ = master;
    if (master) master->addDetail(this);
}

void Table::followMaster() {
    if (!active() || !masterLink_) return;
    registerWithMaster();
    DataSet* master = masterLink_->master();
    if (master && master->active()) settle();  // a closing master leaves nothing to keep
    cursor_->setRange(masterValue());
    resync();
}

bool Table::followsField(const Field& field) const {
    return masterLink_ && masterLink_->isLinkField(field);
}

void Table::doOpen() {
    engine::Database& database = defaultSession().database(databaseName_.toStdString());
    auto cursor = database.openTable(tableName_.toStdString(), indexName_.toStdString());
    const std::vector<int> columns = binding::bindFields(name(), defs_, cursor->columns());
    if (masterLink_) {
        if (cursor->keyColumn() < 0) throw DataError(datamsg::noIndexForMaster(name()));
        cursor->setRange(masterValue());
    }

    for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->bindColumn(columns[i]);
    columnCount_ = static_cast<int>(cursor->columns().size());
    cursor_ = std::move(cursor);
    registerWithMaster();
}

void Table::doClose() {
    lock_.reset();
    cursor_.reset();
    for (auto& field : fields_) field->bindColumn(-1);
    columnCount_ = 0;
    if (registeredMaster_) registeredMaster_->removeDetail(this);
    registeredMaster_ = nullptr;
}

std::optional<engine::Row> Table::doFirst() {
    return cursor_->first();
}

std::optional<engine::Row> Table::doLast() { return cursor_->last(); }

std::vector<engine::Row> Table::doNext(const engine::Row& from, int count) {
    return cursor_->next(from, count);
}

std::vector<engine::Row> Table::doPrior(const engine::Row& from, int count) {
    return cursor_->prior(from, count);
}

std::optional<engine::Row> Table::doFetch(const engine::Row& row) { return cursor_->fetch(row.rowid); }

void Table::doLock(const engine::Row& row) { lock_ = cursor_->lock(row.rowid); }

void Table::doUnlock() { lock_.reset(); }

std::int64_t Table::doInsert(const engine::Row& values) { return cursor_->insert(values.values); }

void Table::doUpdate(const engine::Row& row) { cursor_->update(row.rowid, row.values); }

void Table::doRemove(const engine::Row& row) { cursor_->remove(row.rowid); }

void Table::initNewRecord(engine::Row& row) {
    if (!masterLink_ || !cursor_ || !cursor_->range()) return;
    const int key = cursor_->keyColumn();
    if (key >= 0 && key < static_cast<int>(row.values.size()))
        row.values[static_cast<std::size_t>(key)] = *cursor_->range();
}
