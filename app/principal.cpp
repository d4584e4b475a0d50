#include "principal.h"

#include <QCloseEvent>

#include "add_item.h"
#include "engine_start_cursor.h"
#include "event_guard.h"
#include "notafiscal.h"
#include "pessoa.h"
#include "produto.h"
#include "push_button.h"
#include "query.h"
#include "relatorio.h"
#include "shell_texts.h"
#include "show_modal.h"

TForm1* Form1 = nullptr;

namespace {

QPushButton* menuButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
    auto button = new PushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent),
      Button1(menuButton(this, "Button1", shelltexts::customerButton, {21, 24, 137, 25})),
      Button2(menuButton(this, "Button2", shelltexts::productButton, {181, 24, 137, 25})),
      Button3(menuButton(this, "Button3", shelltexts::invoiceButton, {341, 24, 137, 25})),
      BitBtn1(menuButton(this, "BitBtn1", shelltexts::printButton, {508, 24, 131, 25})) {
    setObjectName("Form1");
    setWindowTitle(shelltexts::mainMenuCaption);
    resize(660, 77);

    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, BitBtn1);
    Button1->setFocus();  // the focus the window gives away when it first becomes active

    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { guarded([this] { Button3Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { BitBtn1Click(); }); });
}

void TForm1::Button1Click() { showModal(Form2); }

void TForm1::Button2Click() { showModal(Form3); }

void TForm1::Button3Click() { showModal(Form5); }

// The print screen's query is read again before each showing, with the statement it holds
// (the one for invoice 1 until the print screen builds another). When it fails, the failure
// is reported and the print screen stays hidden.
void TForm1::BitBtn1Click() {
    Query* reportQuery = Form6->Query1;
    if (reportQuery->active()) reportQuery->close();
    {
        EngineStartCursor waitWhileEngineStarts;
        reportQuery->open();
    }
    showModal(Form6);
}

void TForm1::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit closed();
}
