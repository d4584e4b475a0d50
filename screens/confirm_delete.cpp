#include "confirm_delete.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "frame_texts.h"

bool confirmDelete(QWidget* parent) {
    QPointer<QWidget> previouslyActive = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Question, frametexts::confirmCaption, frametexts::confirmDelete,
                    QMessageBox::NoButton, parent);
    QPushButton* ok = box.addButton(frametexts::okButton, QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(frametexts::cancelButton, QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel);
    box.exec();
    // The window the question was asked from takes the keyboard again.
    if (previouslyActive) previouslyActive->activateWindow();
    return box.clickedButton() == ok;
}
