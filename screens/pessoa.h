#pragma once
// The customer register: one customer of pessoa.DB at a time in the record editing frame, and
// beneath it a grid of that customer's addresses from endereco.DB. The addresses follow the
// customer's Id_Cliente through the address table's master link alone; the screen passes no
// values between the two tables. Both tables are reached through the database's folder name.

#include <QWidget>

class DataSource;
class DBGrid;
class RecordFrame;
class Table;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // Opens the customers, then their addresses; run once when the application creates the
    // screen. When the customers fail to open, the addresses are not tried.
    void FormCreate();

    RecordFrame* frame() const { return frame_; }

    Table* Table1;
    DataSource* DataSource1;
    Table* Table2;
    DataSource* DataSource2;
    DBGrid* DBGrid1;

private:
    RecordFrame* frame_;
};

extern TForm2* Form2;
