#include "data_set.h"

#include <algorithm>

#include "data_link.h"
#include "data_messages.h"
#include "data_source.h"
#include "errors.h"

namespace {

const engine::Value& emptyValue() {
    static const engine::Value empty;
    return empty;
}

}  // namespace

DataSet::DataSet(const QString& name, QObject* parent) : QObject(parent), name_(name) {
    setObjectName(name);
}

DataSet::~DataSet() {
    // Subclasses close themselves; here the sources forget this data set.
    const auto sources = sources_;
    for (DataSource* source : sources) source->setDataSet(nullptr);
}

// ---- Notifications -------------------------------------------------------------------------

template <class Call>
void DataSet::forEachLink(Call call) {
    // Copies: a link may attach or detach others while it hears the news.
    const auto sources = sources_;
    for (DataSource* source : sources) {
        const auto links = source->links();
        for (DataLink* link : links) call(link);
    }
}

void DataSet::notifyActive() { forEachLink([](DataLink* l) { l->activeChanged(); }); }
void DataSet::notifyDataSetChanged() { forEachLink([](DataLink* l) { l->dataSetChanged(); }); }
void DataSet::notifyScrolled() { forEachLink([](DataLink* l) { l->dataSetScrolled(); }); }
void DataSet::notifyRecord(Field* field) { forEachLink([field](DataLink* l) { l->recordChanged(field); }); }
void DataSet::notifyEditing() { forEachLink([](DataLink* l) { l->editingChanged(); }); }

void DataSet::attach(DataSource* source) {
    if (std::find(sources_.begin(), sources_.end(), source) == sources_.end())
        sources_.push_back(source);
}

void DataSet::detach(DataSource* source) { std::erase(sources_, source); }

void DataSet::addDetail(DataSet* detail) {
    if (std::find(details_.begin(), details_.end(), detail) == details_.end())
        details_.push_back(detail);
}

void DataSet::removeDetail(DataSet* detail) { std::erase(details_, detail); }

// ---- Opening and closing -------------------------------------------------------------------

void DataSet::open() {
    if (active()) return;
    doOpen();
    std::optional<engine::Row> first;
    try {
        first = doFirst();
    } catch (...) {
        doClose();
        throw;
    }
    state_ = State::Browse;
    current_ = std::move(first);
    bof_ = true;
    eof_ = !current_;
    modified_ = false;
    notifyActive();
}

void DataSet::close() {
    if (!active()) return;
    doUnlock();
    doClose();
    state_ = State::Inactive;
    current_.reset();
    buffer_ = {};
    insertAnchor_.reset();
    modified_ = false;
    bof_ = eof_ = true;
    notifyActive();
}

void DataSet::checkActive() const {
    if (!active()) throw DataError(datamsg::closedDataSet(name_));
}

void DataSet::checkModifiable() const {
    if (!modifiable()) throw DataError(datamsg::readOnlyDataSet(name_));
}

bool DataSet::isEmpty() const { return !current_ && state_ != State::Insert; }

// ---- Moving --------------------------------------------------------------------------------

void DataSet::first() {
    checkActive();
    settleDetails();
    settle();
    current_ = doFirst();
    bof_ = true;
    eof_ = !current_;
    notifyScrolled();
    afterScroll();
}

void DataSet::last() {
    checkActive();
    settleDetails();
    settle();
    current_ = doLast();
    eof_ = true;
    bof_ = !current_;
    notifyScrolled();
    afterScroll();
}

void DataSet::next() { moveBy(1); }

void DataSet::prior() { moveBy(-1); }

int DataSet::moveBy(int distance) {
    checkActive();
    settleDetails();
    settle();
    if (!current_) {
        bof_ = eof_ = true;
        return 0;
    }
    if (distance == 0) return 0;

    const bool forward = distance > 0;
    const int wanted = forward ? distance : -distance;
    std::vector<engine::Row> rows = forward ? doNext(*current_, wanted) : doPrior(*current_, wanted);
    const int moved = static_cast<int>(rows.size());
    if (forward) {
        eof_ = moved < wanted;
        if (moved > 0) bof_ = false;
    } else {
        bof_ = moved < wanted;
        if (moved > 0) eof_ = false;
    }
    if (moved > 0) {
        current_ = std::move(rows.back());
        notifyScrolled();
        afterScroll();
    }
    return forward ? moved : -moved;
}

std::vector<engine::Row> DataSet::neighbours(int count, bool forward) {
    if (!active() || count <= 0) return {};
    if (state_ != State::Insert) {
        if (!current_) return {};
        return forward ? doNext(*current_, count) : doPrior(*current_, count);
    }

    // The new record stands before its anchor, or after the last row when appended.
    if (insertAnchor_) {
        if (!forward) return doPrior(*insertAnchor_, count);
        std::vector<engine::Row> rows{*insertAnchor_};
        auto more = doNext(*insertAnchor_, count - 1);
        rows.insert(rows.end(), more.begin(), more.end());
        return rows;
    }
    if (forward) return {};
    std::optional<engine::Row> lastRow = doLast();
    if (!lastRow) return {};
    std::vector<engine::Row> rows{*lastRow};
    auto more = doPrior(*lastRow, count - 1);
    rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

std::optional<engine::Row> DataSet::nearest(const engine::Row& row) {
    auto after = doNext(row, 1);
    if (!after.empty()) return std::move(after.front());
    auto before = doPrior(row, 1);
    if (!before.empty()) return std::move(before.front());
    return std::nullopt;
}

void DataSet::resync() {
    if (!active()) return;
    leavePending();
    current_ = doFirst();
    bof_ = true;
    eof_ = !current_;
    notifyDataSetChanged();
    afterScroll();
}

// ---- Editing -------------------------------------------------------------------------------

void DataSet::insert() { beginInsert(false); }

void DataSet::append() { beginInsert(true); }

void DataSet::beginInsert(bool atEnd) {
    checkActive();
    checkModifiable();
    settleDetails();
    settle();

    std::optional<engine::Row> anchor;
    if (atEnd) {
        anchor = doLast();  // where the data set stands again if the new record is cancelled
    } else {
        anchor = current_;
    }
    engine::Row fresh;
    fresh.values.assign(static_cast<std::size_t>(columnCount_), engine::Value{});
    initNewRecord(fresh);

    if (atEnd) {
        current_ = anchor;
        insertAnchor_.reset();
        bof_ = false;
        eof_ = true;
    } else {
        insertAnchor_ = std::move(anchor);
    }
    buffer_ = std::move(fresh);
    modified_ = false;
    state_ = State::Insert;
    notifyEditing();
    notifyDataSetChanged();
}

void DataSet::edit() {
    checkActive();
    if (pending()) return;
    checkModifiable();
    if (!current_) {
        insert();
        return;
    }
    settleDetails();

    doLock(*current_);
    std::optional<engine::Row> fresh;
    try {
        fresh = doFetch(*current_);
    } catch (...) {
        doUnlock();
        throw;
    }
    if (!fresh) {
        doUnlock();
        throw DataError(datamsg::recordGone(name_));
    }
    const bool changedMeanwhile = fresh->values != current_->values;
    current_ = *fresh;
    buffer_ = std::move(*fresh);
    modified_ = false;
    state_ = State::Edit;
    notifyEditing();
    if (changedMeanwhile) notifyRecord(nullptr);
}

void DataSet::updateRecord() { forEachLink([](DataLink* l) { l->updateData(); }); }

void DataSet::settleDetails() {
    const auto details = details_;
    for (DataSet* detail : details) detail->settle();
}

void DataSet::checkRequired() {
    for (const auto& field : fields_) {
        if (!field->required() || !engine::isNull(currentValue(*field))) continue;
        bool focused = false;
        forEachLink([&](DataLink* l) {
            if (!focused) focused = l->focusField(field.get());
        });
        throw DataError(datamsg::mustHaveValue(field->name()));
    }
}

void DataSet::settle() {
    if (!pending()) return;
    updateRecord();
    if (modified_)
        post();
    else
        cancel();
}

void DataSet::post() {
    checkActive();
    if (!pending()) return;
    updateRecord();
    settleDetails();
    checkRequired();

    std::int64_t rowid = buffer_.rowid;
    if (state_ == State::Insert)
        rowid = doInsert(buffer_);
    else
        doUpdate(buffer_);

    // Written: from here on the data set browses, whatever the re-read finds.
    engine::Row written = std::move(buffer_);
    written.rowid = rowid;
    const std::optional<engine::Row> fallback =
        state_ == State::Insert ? (insertAnchor_ ? insertAnchor_ : current_) : current_;
    doUnlock();
    state_ = State::Browse;
    modified_ = false;
    buffer_ = {};
    insertAnchor_.reset();
    current_ = written;

    // The written row may have left the rows shown (a detail row given another key).
    std::optional<engine::Row> reread = doFetch(written);
    if (!reread && fallback) reread = doFetch(*fallback);
    if (!reread) reread = nearest(written);
    current_ = std::move(reread);
    bof_ = eof_ = !current_;
    notifyEditing();
    notifyDataSetChanged();
    afterScroll();
}

void DataSet::leavePending() {
    if (!pending()) return;
    doUnlock();
    state_ = State::Browse;
    modified_ = false;
    buffer_ = {};
    insertAnchor_.reset();
    notifyEditing();
}

void DataSet::cancel() {
    checkActive();
    if (!pending()) return;
    settleDetails();
    const bool wasInsert = state_ == State::Insert;
    if (wasInsert && !current_ && !insertAnchor_) bof_ = eof_ = true;
    leavePending();
    notifyDataSetChanged();
    if (wasInsert) afterScroll();
}

void DataSet::remove() {
    checkActive();
    if (state_ == State::Insert) {
        settleDetails();
        leavePending();
        notifyDataSetChanged();
        afterScroll();
        return;
    }
    checkModifiable();
    if (!current_) throw DataError(datamsg::emptyDataSet(name_));
    settleDetails();

    auto after = doNext(*current_, 1);
    auto before = after.empty() ? doPrior(*current_, 1) : std::vector<engine::Row>{};
    // A record another user is editing is not deleted under them.
    const bool locked = state_ == State::Edit;
    if (!locked) doLock(*current_);
    try {
        doRemove(*current_);
    } catch (...) {
        if (!locked) doUnlock();
        throw;
    }
    if (!locked) doUnlock();

    if (!after.empty())
        current_ = std::move(after.front());
    else if (!before.empty())
        current_ = std::move(before.front());
    else
        current_.reset();
    bof_ = eof_ = !current_;
    leavePending();
    notifyDataSetChanged();
    afterScroll();
}

void DataSet::refresh() {
    checkActive();
    settleDetails();
    settle();
    std::optional<engine::Row> reread;
    if (current_) {
        reread = doFetch(*current_);
        if (!reread) reread = nearest(*current_);
    } else {
        reread = doFirst();
        bof_ = true;
    }
    current_ = std::move(reread);
    if (!current_) bof_ = eof_ = true;
    notifyDataSetChanged();
    afterScroll();
}

// ---- Fields --------------------------------------------------------------------------------

Field* DataSet::findField(const QString& name) const {
    for (const auto& field : fields_)
        if (field->name().compare(name, Qt::CaseInsensitive) == 0) return field.get();
    return nullptr;
}

Field& DataSet::fieldByName(const QString& name) const {
    if (Field* field = findField(name)) return *field;
    throw DataError(datamsg::fieldNotFound(name_, name));
}

const engine::Value& DataSet::currentValue(const Field& field) const {
    const int column = field.columnIndex();
    const engine::Row* row = pending() ? &buffer_ : (current_ ? &*current_ : nullptr);
    if (!row || column < 0 || column >= static_cast<int>(row->values.size())) return emptyValue();
    return row->values[static_cast<std::size_t>(column)];
}

void DataSet::setFieldValue(Field& field, const engine::Value& value) {
    if (!pending()) throw DataError(datamsg::notEditing(name_));
    const int column = field.columnIndex();
    if (field.dataSet() != this || column < 0 || column >= static_cast<int>(buffer_.values.size()))
        throw DataError(datamsg::fieldNotFound(name_, field.name()));

    // A detail following this field finishes its row before it moves to other rows.
    const auto details = details_;
    for (DataSet* detail : details)
        if (detail->followsField(field)) detail->settle();

    buffer_.values[static_cast<std::size_t>(column)] = value;
    modified_ = true;
    notifyRecord(&field);
}
