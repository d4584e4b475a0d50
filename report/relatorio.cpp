#include "relatorio.h"

#include <QLineEdit>

#include "event_guard.h"
#include "integer_text.h"
#include "invoice_layout.h"
#include "invoice_total.h"
#include "preview_window.h"
#include "push_button.h"
#include "query.h"
#include "relatorio_texts.h"
#include "report.h"
#include "report_query.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      BitBtn1(new PushButton(relatoriotexts::previewButton, this)),
      Edit1(new QLineEdit(relatoriotexts::initialNumber, this)),
      Query1(new Query(QStringLiteral("Query1"), this)),
      Report1(new report::Report(report::invoiceLayout(), this)) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(relatoriotexts::caption);
    setFixedSize(470, 58);

    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(72, 16, 209, 25);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(328, 16, 114, 21);
    setTabOrder(BitBtn1, Edit1);
    BitBtn1->setFocus();

    Query1->setDatabaseName(report::kReportDatabase);
    Query1->setSql(report::creationStatement());

    Report1->setObjectName(QStringLiteral("Report1"));
    Report1->setDataSet(Query1);
    Report1->setPrintHandler(report::kTotalBoxName, [this](QString& value) { QRExpr1Print(value); });

    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { BitBtn1Click(); }); });
}

void TForm6::BitBtn1Click() {
    try {
        // One preview at a time: the report has one query, which a second request would
        // rebuild under the open window (and under its print command).
        if (report::PreviewWindow* open = Report1->openPreview()) {
            open->raise();
            open->activateWindow();
            return;
        }
        const auto number = report::toInt32(Edit1->text());
        if (!number || *number <= 0) return;
        carregar_query();
    } catch (...) {
    }
}

void TForm6::carregar_query() {
    try {
        Query1->clearSql();
        for (const QString& line : report::requestLinesBeforeNumber()) Query1->addSql(line);
        Query1->addSql(report::kNumberLinePrefix + Edit1->text());
        for (const QString& line : report::requestLinesAfterNumber()) Query1->addSql(line);
        Query1->open();
        Report1->preview(this);
    } catch (...) {
    }
}

void TForm6::QRExpr1Print(QString& value) { report::writeInvoiceTotal(value); }
