#pragma once
// A record editing screen built in a test over one table of a temporary database: the frame,
// its navigator and edits, and helpers that press the real buttons and keys and read what the
// database holds. The product table is the usual subject.

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <memory>
#include <ostream>

#include "data_source.h"
#include "db_edit.h"
#include "db_navigator.h"
#include "record_frame.h"
#include "schema.h"
#include "support/modal.h"
#include "support/temp_database.h"
#include "table.h"

namespace testing_support {

// Label widths and scroll ranges of the screens over these tables.
inline FrameLayout productLayout() {
    return FrameLayout::of(schema::produto().fields, {52, 37, 48, 24, 19, 30}, {300, 198});
}
inline FrameLayout invoiceLayout() {
    return FrameLayout::of(schema::notaFiscal().fields, {54, 71, 47, 59, 23, 19, 30}, {326, 160},
                           176);
}
inline FrameLayout customerLayout() {
    return FrameLayout::of(schema::pessoa().fields, {47, 50, 28, 101, 42, 19, 30}, {326, 198},
                           137);
}

class FrameScreen {
public:
    FrameScreen(const TempDatabase& database, const TableDef& def = schema::produto(),
                const FrameLayout& layout = productLayout(), QSize clientSize = {373, 315})
        : database_(database), sqlName_(def.sqlName()) {
        form_ = std::make_unique<QWidget>();
        form_->resize(clientSize);
        table_ = new Table("Table1", form_.get());
        table_->setDatabaseName("nota_fiscal");
        table_->setDefinition(def);
        source_ = new DataSource(form_.get());
        source_->setDataSet(table_);
        frame_ = new RecordFrame(form_.get(), source_, layout);
    }
    ~FrameScreen() { table_->close(); }

    // Opens the table and shows the screen active, as the main menu would.
    void open() {
        table_->open();
        show();
    }
    void show() {
        form_->show();
        QApplication::setActiveWindow(form_.get());
        (void)QTest::qWaitForWindowActive(form_.get());
    }

    QWidget& form() const { return *form_; }
    Table& table() const { return *table_; }
    RecordFrame& frame() const { return *frame_; }
    DBEdit* edit(const QString& field) const { return frame_->edit(field); }
    QAbstractButton* button(NavigatorButton which) const {
        return frame_->navigator()->button(which);
    }

    void click(NavigatorButton which) const { QTest::mouseClick(button(which), Qt::LeftButton); }
    // Clicks a button, answering the message box it brings up ("" closes the box).
    SeenBox clickAnswering(NavigatorButton which, const QString& answer = "OK") const {
        SeenBox seen;
        answerMessageBox(seen, answer);
        click(which);
        return seen;
    }
    // Gives the edit the focus as the Tab key does (its text selected).
    void focus(const QString& field) const {
        edit(field)->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    void type(const QString& field, const QString& text) const {
        focus(field);
        QTest::keyClicks(edit(field), text);
    }

    // Products stored straight into the file: Produto "P01".., Valor n + 0.5, Status n.
    void addProducts(int count) const {
        for (int i = 1; i <= count; ++i)
            database_.exec(QStringLiteral("insert into produto (Produto, Valor, Status) "
                                          "values ('P%1', %2.5, %2)")
                               .arg(i, 2, 10, QChar('0'))
                               .arg(i));
    }
    QStringList stored(const QString& columns) const {
        return database_.rows("select " + columns + " from " + sqlName_ + " order by rowid");
    }

private:
    const TempDatabase& database_;
    QString sqlName_;
    std::unique_ptr<QWidget> form_;
    Table* table_;
    DataSource* source_;
    RecordFrame* frame_;
};

// Waits for a box answered through answerMessageBox to have been seen.
inline bool waitForBox(const SeenBox& seen) {
    return QTest::qWaitFor([&] { return seen.seen; }, 5000);
}

}  // namespace testing_support

// Readable geometry in failure messages.
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}
inline void PrintTo(const QPoint& p, std::ostream* out) { *out << "QPoint(" << p.x() << ", " << p.y() << ")"; }
inline void PrintTo(const QSize& s, std::ostream* out) { *out << "QSize(" << s.width() << ", " << s.height() << ")"; }
inline void PrintTo(const QString& s, std::ostream* out) { *out << '"' << s.toStdString() << '"'; }
