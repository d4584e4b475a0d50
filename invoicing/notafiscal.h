#pragma once
// The invoice screen (placeholder until the screen is built): the invoice table and its items.

#include <QWidget>

class Table;
class DataSource;

class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    void FormCreate();

    Table* Table1;
    DataSource* DataSource1;
    Table* Table2;
    DataSource* DataSource2;
};

extern TForm5* Form5;
