#pragma once
// The invoice print screen (placeholder until the screen is built): the report query, holding
// the statement for invoice number 1 until a request rebuilds it.

#include <QWidget>

class Query;

class TForm6 : public QWidget {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    void FormCreate() {}

    Query* Query1;
};

extern TForm6* Form6;
