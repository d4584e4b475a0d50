#pragma once
// Joins one data set to its data-aware controls; automatic edit is on.

#include <QObject>
#include <vector>

class DataSet;
class DataLink;

class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(QObject* parent = nullptr);
    ~DataSource() override;

    void setDataSet(DataSet* dataSet);
    DataSet* dataSet() const { return dataSet_; }

    // A control asks before changing text: a browsing data set enters editing (inserting
    // when empty). Returns whether the data set is now editing or inserting.
    bool edit();

    void addLink(DataLink* link);
    void removeLink(DataLink* link);
    const std::vector<DataLink*>& links() const { return links_; }

private:
    DataSet* dataSet_ = nullptr;
    std::vector<DataLink*> links_;
};
