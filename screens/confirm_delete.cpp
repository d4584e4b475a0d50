#include "confirm_delete.h"

#include <QMessageBox>
#include <QPushButton>

#include "frame_texts.h"

bool confirmDelete(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, frametexts::confirmCaption, frametexts::confirmDelete,
                    QMessageBox::NoButton, parent);
    QPushButton* ok = box.addButton(frametexts::okButton, QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(frametexts::cancelButton, QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == ok;
}
