#include "box_collector.h"

#include <QAbstractButton>
#include <QApplication>

namespace testing_support {

BoxCollector::BoxCollector() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { answerOpenBox(); });
    timer_.start();
}

QStringList BoxCollector::texts() const {
    QStringList texts;
    for (const ShownBox& box : boxes_) texts << box.text;
    return texts;
}

void BoxCollector::answerOpenBox() {
    auto box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    ShownBox shown{box->windowTitle(), box->text(), box->icon(), {}, box->windowModality()};
    QAbstractButton* ok = nullptr;
    for (QAbstractButton* button : box->buttons()) {
        shown.buttons << button->text().remove('&');
        if (shown.buttons.back() == "OK") ok = button;
    }
    boxes_.push_back(shown);
    if (ok) ok->click();
    else box->close();
}

}  // namespace testing_support
