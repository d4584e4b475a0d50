#pragma once
// The customer register (placeholder until the screen is built): its two tables, reached
// through the folder name of the database.

#include <QWidget>

class Table;
class DataSource;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    void FormCreate();

    Table* Table1;
    DataSource* DataSource1;
    Table* Table2;
    DataSource* DataSource2;
};

extern TForm2* Form2;
