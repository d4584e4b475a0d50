#pragma once
// The product register (placeholder until the screen is built): its one table.

#include <QWidget>

class Table;
class DataSource;

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    void FormCreate();

    Table* Table1;
    DataSource* DataSource1;
};

extern TForm3* Form3;
