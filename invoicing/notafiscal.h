#pragma once
// The invoice screen: one invoice at a time in the record editing frame, the invoice's items
// in the grid beneath (the items whose Id_Nota_Fiscal holds the invoice's Numero_NF), and a
// button that hands the invoice number, as the screen shows it, to the add-item dialog.

#include <QWidget>

class DataSource;
class DBEdit;
class DBGrid;
class QPushButton;
class RecordFrame;
class Table;

class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // Opens the invoice table, then the item table.
    void FormCreate();
    // Hands the number shown in EditNumero_NF to the add-item dialog and shows it.
    void Button1Click();

    Table* Table1;           // nota_fiscal.db, the invoices
    DataSource* DataSource1;
    Table* Table2;           // item.DB, the current invoice's items
    DataSource* DataSource2;
    DBGrid* DBGrid1;
    QPushButton* Button1;

    // The navigator, panels, scroll box, labels and edits.
    RecordFrame* frame() const { return frame_; }
    DBEdit* EditNumero_NF;
    DBEdit* EditId_Nota_Fiscal;
    DBEdit* EditId_Cliente;
    DBEdit* EditId_Endereco;
    DBEdit* EditData;
    DBEdit* EditObs;
    DBEdit* EditStatus;

private:
    RecordFrame* frame_;
};

extern TForm5* Form5;
