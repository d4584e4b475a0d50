#include "modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

namespace testing_support {

void whenModal(std::function<void(QWidget*)> answer) {
    auto timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && ++*tries < 500) return;
        timer->stop();
        timer->deleteLater();
        if (modal) answer(modal);
    });
    timer->start();
}

void answerMessageBox(SeenBox& seen, const QString& buttonText) {
    whenModal([&seen, buttonText](QWidget* widget) {
        auto box = qobject_cast<QMessageBox*>(widget);
        if (!box) return;
        seen.seen = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        if (buttonText.isEmpty()) {
            box->close();
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text().remove('&') == buttonText) {
                button->click();
                return;
            }
        }
    });
}

}  // namespace testing_support
