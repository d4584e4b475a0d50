#include "error_box.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "errors.h"
#include "shell_texts.h"

QString withFullStop(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.') return message + QLatin1Char('.');
    return message;
}

void showErrorBox(const QString& message) {
    QPointer<QWidget> previouslyActive = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                    withFullStop(message), QMessageBox::Ok, previouslyActive);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    if (previouslyActive) previouslyActive->activateWindow();
}

void reportException(std::exception_ptr failure) {
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    try {
        std::rethrow_exception(failure);
    } catch (const Abort&) {
    } catch (const std::exception& error) {
        showErrorBox(QString::fromUtf8(error.what()));
    } catch (...) {
        showErrorBox(shelltexts::unknownFailure);
    }
}
