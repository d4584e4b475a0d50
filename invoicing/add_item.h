#pragma once
// The add-item dialog: lists every product and, each time the user presses its button or
// double-clicks a product, writes one item row for the invoice number handed over by the
// invoice screen, with the current product and the quantity in the spin edit. It never reads
// the item table, and a write that fails is dropped without a word.

#include <QString>
#include <QWidget>

class DataSource;
class DBGrid;
class QPushButton;
class Query;
class SpinEdit;

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    void FormCreate() {}  // the dialog has no creation handler; its queries stay closed

    Query* Query1;           // the product list, opened by the invoice screen
    DataSource* DataSource1;
    QPushButton* BitBtn1;
    DBGrid* DBGrid1;
    Query* Query2;           // carries the item INSERT; only ever executed
    SpinEdit* SpinEdit1;     // the quantity

    void DBGrid1DblClick();
    // Writes one item for `invoiceNumber` with the current product and the spin edit's value.
    // Returns whether the row was written; nothing is reported when it was not, as when the
    // number is not a plain number or there is no product.
    bool adicionar_item(const QString& invoiceNumber);
    void BitBtn1Click();

    // The invoice number as the invoice screen handed it over.
    QString numero_nota;

private:
    QString currentProduct() const;
};

extern TForm4* Form4;
