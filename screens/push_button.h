#pragma once
// A push button as the screens use it: never a default button, and pressed by Enter or Return
// as well as by Space while it has the focus (a plain button outside a dialog ignores Enter).

#include <QPushButton>

class PushButton : public QPushButton {
    Q_OBJECT
public:
    explicit PushButton(const QString& text, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
