#pragma once
// A data set: a table or query's current record with its fields, its state, and the moves,
// edits and posts the data-aware controls drive. Subclasses supply the rows (Table over an
// engine cursor, Query over an engine result).
//
// Settling: before moving, inserting or re-reading, a pending record has its controls write
// their text (DataLink::updateData), then is posted if changed and discarded if not.
// Posting: controls write, detail tables settle, the required check (focus to the field's
// control), the engine write, then browsing on the re-read record.
// Every failure leaves the data set in the state it had, with its values.
//
// Rows are engine rows: every column of the table or result, the declared fields pointing
// at theirs (Field::columnIndex). A table's fields live as long as the table; a query's are
// made anew at each open, so controls find fields by name when the data set opens.

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "engine/table_cursor.h"
#include "field.h"

class DataSource;
class DataLink;

class DataSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit DataSet(const QString& name, QObject* parent = nullptr);
    ~DataSet() override;

    const QString& name() const { return name_; }  // component name: "Table1", "Query1"
    State state() const { return state_; }
    bool active() const { return state_ != State::Inactive; }
    bool pending() const { return state_ == State::Edit || state_ == State::Insert; }

    void open();   // binds fields, reads the first record; a failure leaves it closed
    void close();  // discards a pending record, frees the lock

    // Navigation (each settles a pending record first).
    void first();
    void last();
    void next();
    void prior();
    int moveBy(int distance);  // returns how far it moved
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    bool isEmpty() const;

    // Editing.
    void insert();   // new record before the current one
    void append();   // new record at the end
    void edit();     // re-read with a write lock; on an empty data set: insert
    void post();     // no-op while browsing
    void cancel();   // no-op while browsing
    void remove();   // editing: deletes the stored row; inserting: discards the new record
    void refresh();  // re-read from the database keeping the position
    void settle();   // post if changed, discard if unchanged (no-op while browsing)
    bool modified() const { return modified_; }
    virtual bool modifiable() const = 0;

    // Fields, in declared order.
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    Field& field(int index) const { return *fields_[index]; }
    Field* findField(const QString& name) const;  // without regard to case
    Field& fieldByName(const QString& name) const;  // DataError "%s: Field '%s' not found"

    // Stored rows next to the current record in display order, for grids: `forward` gives the
    // rows after it, otherwise the rows before it, nearest first. While inserting, the new
    // record's place is before the row it was inserted at (or at the end when appended).
    std::vector<engine::Row> neighbours(int count, bool forward);

    // Used by Field.
    const engine::Value& currentValue(const Field& field) const;
    void setFieldValue(Field& field, const engine::Value& value);

    // Used by DataSource.
    void attach(DataSource* source);
    void detach(DataSource* source);

    // Master/detail: details settle before every master action.
    void addDetail(DataSet* detail);
    void removeDetail(DataSet* detail);

protected:
    // Row access the subclasses provide; rows are in display order.
    virtual void doOpen() = 0;  // binds fields_ and sets columnCount_; throws, changing nothing

    virtual void doClose() = 0;
    virtual std::optional<engine::Row> doFirst() = 0;
    virtual std::optional<engine::Row> doLast() = 0;
    virtual std::vector<engine::Row> doNext(const engine::Row& from, int count) = 0;
    virtual std::vector<engine::Row> doPrior(const engine::Row& from, int count) = 0;
    virtual std::optional<engine::Row> doFetch(const engine::Row& row) = 0;
    virtual void doLock(const engine::Row&) {}
    virtual void doUnlock() {}
    virtual std::int64_t doInsert(const engine::Row& values) = 0;  // returns rowid
    virtual void doUpdate(const engine::Row& row) = 0;
    virtual void doRemove(const engine::Row& row) = 0;
    virtual void initNewRecord(engine::Row&) {}  // detail tables copy the master's link value
    // Whether writing this field of the master moves this detail to other rows.
    virtual bool followsField(const Field&) const { return false; }

    // The rows changed underneath (a detail's new range): back to the first, nothing pending.
    void resync();

    // Notifications to every link of every attached data source.
    void notifyActive();
    void notifyDataSetChanged();
    void notifyScrolled();
    void notifyRecord(Field* field);
    void notifyEditing();
    virtual void afterScroll() {}  // details follow the master

    std::vector<std::unique_ptr<Field>> fields_;
    int columnCount_ = 0;  // columns in an engine row

private:
    template <class Call> void forEachLink(Call call);
    void checkActive() const;
    void checkModifiable() const;
    void beginInsert(bool atEnd);
    void updateRecord();      // controls write their text
    void settleDetails();
    void checkRequired();
    void leavePending();      // back to browsing without writing
    // The row to stand on when `row` is gone: the next one, else the prior one.
    std::optional<engine::Row> nearest(const engine::Row& row);

    QString name_;
    State state_ = State::Inactive;
    bool bof_ = true;
    bool eof_ = true;
    bool modified_ = false;
    std::optional<engine::Row> current_;     // the stored current row (empty data set: none)
    engine::Row buffer_;                      // the pending record while editing or inserting
    std::optional<engine::Row> insertAnchor_; // inserting: the row the new record stands before
    std::vector<DataSource*> sources_;
    std::vector<DataSet*> details_;
};
