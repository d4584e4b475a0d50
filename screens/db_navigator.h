#pragma once
// The data-aware navigator: a bar of ten picture buttons that move through a data set and drive
// its editing (first, prior, next, last, insert, delete, edit, post, cancel, refresh). Each button
// is enabled only when its action makes sense for the data set's state; Prior and Next repeat
// while held; Delete asks first. The bar is worked with the mouse only and never takes the focus,
// so a click leaves the focused edit where it is (its typed text is written when the data set
// settles the record).
//
//   auto* navigator = new DBNavigator(panel);
//   navigator->setGeometry(8, 8, 240, 25);
//   navigator->setDataSource(dataSource);

#include <QPointer>
#include <QWidget>
#include <array>

#include "data_link.h"
#include "data_source.h"
#include "navigator_glyphs.h"

class DataSet;
class QAbstractButton;

class DBNavigator : public QWidget, public DataLink {
    Q_OBJECT
public:
    explicit DBNavigator(QWidget* parent = nullptr);
    ~DBNavigator() override;

    void setDataSource(DataSource* source);
    DataSource* dataSource() const { return source_; }

    // The button for an action; its object name is the action's name ("First", "Post").
    QAbstractButton* button(NavigatorButton which) const;
    // The hint text the button carries; hints are not displayed.
    static QString hint(NavigatorButton which);

    void activeChanged() override;
    void dataSetChanged() override;
    void dataSetScrolled() override;
    void editingChanged() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    DataSet* dataSet() const;
    void buttonClicked(NavigatorButton which);
    void act(NavigatorButton which, DataSet& data);
    void updateButtons();
    void placeButtons();

    QPointer<DataSource> source_;
    std::array<QAbstractButton*, navigatorButtonCount> buttons_{};
};
