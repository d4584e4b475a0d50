#pragma once
// The add-item dialog (placeholder until the dialog is built): the product list, the query
// that carries the item INSERT, and the invoice number handed over by the invoice screen.

#include <QString>
#include <QWidget>

class Query;

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    void FormCreate() {}

    Query* Query1;
    Query* Query2;
    QString numero_nota;
};

extern TForm4* Form4;
