#pragma once
// Answers every message box that appears while it lives by pressing its OK button, and keeps
// what each box showed, so a test can count the boxes an action raised and read them.

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <vector>

namespace testing_support {

struct ShownBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    Qt::WindowModality modality = Qt::NonModal;
};

class BoxCollector {
public:
    BoxCollector();

    const std::vector<ShownBox>& boxes() const { return boxes_; }
    QStringList texts() const;

private:
    void answerOpenBox();

    QTimer timer_;
    std::vector<ShownBox> boxes_;
};

}  // namespace testing_support
