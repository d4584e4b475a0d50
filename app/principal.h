#pragma once
// The main menu: four buttons, each showing one of the other screens modally. Closing it ends
// the program.

#include <QWidget>

class QPushButton;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* BitBtn1;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void BitBtn1Click();

signals:
    void closed();  // the main menu was closed: the program ends

protected:
    void closeEvent(QCloseEvent* event) override;
};

extern TForm1* Form1;
