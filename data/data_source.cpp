#include "data_source.h"

#include <algorithm>

#include "data_link.h"
#include "data_set.h"

DataSource::DataSource(QObject* parent) : QObject(parent) {}

DataSource::~DataSource() {
    if (dataSet_) dataSet_->detach(this);
}

void DataSource::setDataSet(DataSet* dataSet) {
    if (dataSet_ == dataSet) return;
    if (dataSet_) dataSet_->detach(this);
    dataSet_ = dataSet;
    if (dataSet_) dataSet_->attach(this);
    const auto links = links_;
    for (DataLink* link : links) link->activeChanged();
}

bool DataSource::edit() {
    if (!dataSet_ || !dataSet_->active()) return false;
    if (dataSet_->pending()) return true;
    if (!dataSet_->modifiable()) return false;
    dataSet_->edit();
    return dataSet_->pending();
}

void DataSource::addLink(DataLink* link) {
    if (std::find(links_.begin(), links_.end(), link) == links_.end()) links_.push_back(link);
}

void DataSource::removeLink(DataLink* link) { std::erase(links_, link); }
