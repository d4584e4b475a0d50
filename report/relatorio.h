#pragma once
// The invoice print screen: the user types an invoice number and presses the button; the
// screen rebuilds the report query for that number, opens it and shows the invoice report in
// a preview window, waiting until that window is closed. It reports no failure of its own.

#include <QWidget>

class QLineEdit;
class QPushButton;
class Query;

namespace report { class Report; }

class TForm6 : public QWidget {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    void FormCreate() {}  // the screen has no creation handler; its query stays closed

    QPushButton* BitBtn1;
    QLineEdit* Edit1;
    Query* Query1;
    report::Report* Report1;

    // A request: a typed whole number greater than zero rebuilds the query and previews it;
    // anything else does nothing. While a preview is open a further request only brings that
    // window to the front.
    void BitBtn1Click();
    // Rebuilds the statement for Edit1's text as typed, opens the query, previews the report.
    // Any failure ends it silently.
    void carregar_query();
    // The total's print-time handler: the sum becomes "R$ " and two decimals.
    void QRExpr1Print(QString& value);
};

extern TForm6* Form6;
