#pragma once
// The product register: one product of produto.db at a time, with its name, description,
// unit price, remark and status, browsed and edited through the record editing frame. The
// products kept here are those an invoice's items are chosen from.

#include <QWidget>

class DataSource;
class RecordFrame;
class Table;

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Opens the product table; run once when the application creates the screen.
    void FormCreate();

    RecordFrame* frame() const { return frame_; }

    Table* Table1;
    DataSource* DataSource1;

private:
    RecordFrame* frame_;
};

extern TForm3* Form3;
