#pragma once
// The record editing frame: builds, into a screen's window, the widgets that show one record
// of a master table at a time and wires them to the screen's data source: Panel1 with the
// navigator on top, Panel2 with a scroll box of labelled data-aware edits (one per field, placed
// by FrameLayout's rules), and on screens with a detail table Panel3 holding the detail grid.
// The screen keeps its own tables and data sources; the frame only builds and wires widgets.
//
// It keeps the panels fitted to the window (Panel1 and, with a grid, Panel2 keep their height;
// the last panel takes the rest), scrolls an edit that takes the focus into view with 6 pixels
// to spare, and leaves the focus on Panel1 until the user tabs into the edits (Tab visits the
// edits in field order, then any further scroll-box controls, then the grid). It also gives
// the window the screens' font (screen_font.h).
//
//   // in a screen's constructor, with Table1/DataSource1 and Table2/DataSource2 set up:
//   resize(373, 315);
//   auto layout = FrameLayout::of(schema::pessoa().fields, {47, 50, 28, 101, 42, 19, 30},
//                                 {326, 198}, 137);
//   frame = new RecordFrame(this, DataSource1, layout);
//   frame->setDetailGrid(DBGrid1);            // only on screens with a detail table
//   frame->edit("Nome")->...;                 // the edit named "EditNome"
//   frame->addScrollBoxControl(Button1, {232, 128, 129, 25});  // the invoice screen's button

#include <QObject>
#include <QString>
#include <vector>

#include "frame_layout.h"

class BevelPanel;
class DataSource;
class DBEdit;
class DBNavigator;
class FrameScrollBox;
class QLabel;
class QWidget;

class RecordFrame : public QObject {
    Q_OBJECT
public:
    // Builds the frame into `form` (which becomes its parent) for the master data source.
    RecordFrame(QWidget* form, DataSource* master, const FrameLayout& layout);

    QWidget* form() const { return form_; }
    BevelPanel* panel1() const { return panel1_; }
    BevelPanel* panel2() const { return panel2_; }
    BevelPanel* panel3() const { return panel3_; }  // nullptr without a detail grid
    DBNavigator* navigator() const { return navigator_; }
    FrameScrollBox* scrollBox() const { return scrollBox_; }
    QWidget* scrollContent() const;  // the scrolled area holding labels and edits

    // Labels and edits in field order; by name without regard to case (nullptr when absent).
    const std::vector<DBEdit*>& edits() const { return edits_; }
    const std::vector<QLabel*>& labels() const { return labels_; }
    DBEdit* edit(const QString& fieldName) const;
    QLabel* label(const QString& fieldName) const;

    // Puts the grid into Panel3 at its inset (screens built with a master panel height only);
    // it comes last in the tab order.
    void setDetailGrid(QWidget* grid);
    QWidget* detailGrid() const { return grid_; }

    // Puts a further control into the scroll box at `geometry`, after the edits (and any
    // control added before) in the tab order.
    void addScrollBoxControl(QWidget* control, const QRect& geometry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFields(DataSource* master);
    void fitPanels();
    void chainTabOrder();
    void scrollIntoView(QWidget* focused);

    QWidget* form_;
    FrameLayout layout_;
    BevelPanel* panel1_ = nullptr;
    BevelPanel* panel2_ = nullptr;
    BevelPanel* panel3_ = nullptr;
    DBNavigator* navigator_ = nullptr;
    FrameScrollBox* scrollBox_ = nullptr;
    std::vector<QLabel*> labels_;
    std::vector<DBEdit*> edits_;
    std::vector<QWidget*> scrollBoxControls_;
    QWidget* grid_ = nullptr;
};
